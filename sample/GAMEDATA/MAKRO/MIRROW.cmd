%MIRROW 12 08 00
'!Village square of Mirrowmere: bell, smithy sounds and the well
POS schime
POS sanvil
GND 4
WET 0
SMK 140 062
POS vSTRETCH
END