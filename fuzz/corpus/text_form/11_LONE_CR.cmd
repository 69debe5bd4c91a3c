'!Two lines in one
MSG 1 aMSG 1 b
