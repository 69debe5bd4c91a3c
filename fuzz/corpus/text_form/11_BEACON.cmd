'!Kestrel Tor: lighting the beacon starts the storm
ITM ? 5
NOT
>>>
MSG 1 The beacon needs a flame.
END
<<<
SMK 210 034
QAK 20
WET 5
SHT 14 02 03 1
EXP 14 03
EVT 7
XXX 17 12 2
END
