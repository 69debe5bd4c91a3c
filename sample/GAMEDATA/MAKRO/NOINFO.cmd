' A small helper without a description for the load dialog.
' The load dialog shows "no '!info tag available" for it.
GND 2
MAT 03 04 01 0010 0020 bridge
MAT ? 03 04 bridge
ITM & 12
ITM ~ 05 06
ITM # 05 06 12
ITM ! 3
END
