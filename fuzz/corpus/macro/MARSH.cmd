'!Ashen Marsh: fog, croaking and the sinking path
POS sSPLASH
WET 3
QAK 12
RND 2
MSG 3 The ground gives way under your feet!
HRT -2
POS vSINK
END
