'!Long tale of the lantern keepers: forty chapters of talk and events
' Each chapter checks its event, tells its part and moves the goal.
' Chapter 1
CAS 1
MSG 1 Oswik: chapter 1 of the tale begins.
MSG 1 Oswik: the lanterns of the old road must be lit again.
EVT 101
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 5
ITM + 2
XXX 02 04 2
MSG 1 Oswik: come back when the next lantern burns.
END

' Chapter 2
CAS 2
MSG 2 Brunna: chapter 2 of the tale begins.
MSG 2 Brunna: the lanterns of the old road must be lit again.
EVT 102
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 10
ITM + 3
XXX 03 07 3
MSG 2 Brunna: come back when the next lantern burns.
END

' Chapter 3
CAS 3
MSG 3 Aldwen: chapter 3 of the tale begins.
MSG 3 Aldwen: the lanterns of the old road must be lit again.
EVT 103
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 15
ITM + 4
XXX 04 10 1
MSG 3 Aldwen: come back when the next lantern burns.
END

' Chapter 4
CAS 4
MSG 4 Ilsa: chapter 4 of the tale begins.
MSG 4 Ilsa: the lanterns of the old road must be lit again.
EVT 104
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 20
ITM + 5
XXX 05 13 2
MSG 4 Ilsa: come back when the next lantern burns.
END

' Chapter 5
CAS 5
MSG 5 Pell: chapter 5 of the tale begins.
MSG 5 Pell: the lanterns of the old road must be lit again.
EVT 105
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 25
ITM + 1
XXX 06 01 3
MSG 5 Pell: come back when the next lantern burns.
END

' Chapter 6
CAS 6
MSG 0 Corra: chapter 6 of the tale begins.
MSG 0 Corra: the lanterns of the old road must be lit again.
EVT 106
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 30
ITM + 2
XXX 07 04 1
MSG 0 Corra: come back when the next lantern burns.
END

' Chapter 7
CAS 7
MSG 1 Tamsin: chapter 7 of the tale begins.
MSG 1 Tamsin: the lanterns of the old road must be lit again.
EVT 107
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 35
ITM + 3
XXX 08 07 2
MSG 1 Tamsin: come back when the next lantern burns.
END

' Chapter 8
CAS 8
MSG 2 Maravin: chapter 8 of the tale begins.
MSG 2 Maravin: the lanterns of the old road must be lit again.
EVT 108
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 40
ITM + 4
XXX 09 10 3
MSG 2 Maravin: come back when the next lantern burns.
END

' Chapter 9
CAS 9
MSG 3 Oswik: chapter 9 of the tale begins.
MSG 3 Oswik: the lanterns of the old road must be lit again.
EVT 109
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 45
ITM + 5
XXX 10 13 1
MSG 3 Oswik: come back when the next lantern burns.
END

' Chapter 10
CAS 10
MSG 4 Brunna: chapter 10 of the tale begins.
MSG 4 Brunna: the lanterns of the old road must be lit again.
EVT 110
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 50
ITM + 1
XXX 11 01 2
MSG 4 Brunna: come back when the next lantern burns.
END

' Chapter 11
CAS 11
MSG 5 Aldwen: chapter 11 of the tale begins.
MSG 5 Aldwen: the lanterns of the old road must be lit again.
EVT 111
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 55
ITM + 2
XXX 12 04 3
MSG 5 Aldwen: come back when the next lantern burns.
END

' Chapter 12
CAS 12
MSG 0 Ilsa: chapter 12 of the tale begins.
MSG 0 Ilsa: the lanterns of the old road must be lit again.
EVT 112
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 60
ITM + 3
XXX 13 07 1
MSG 0 Ilsa: come back when the next lantern burns.
END

' Chapter 13
CAS 13
MSG 1 Pell: chapter 13 of the tale begins.
MSG 1 Pell: the lanterns of the old road must be lit again.
EVT 113
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 65
ITM + 4
XXX 14 10 2
MSG 1 Pell: come back when the next lantern burns.
END

' Chapter 14
CAS 14
MSG 2 Corra: chapter 14 of the tale begins.
MSG 2 Corra: the lanterns of the old road must be lit again.
EVT 114
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 70
ITM + 5
XXX 15 13 3
MSG 2 Corra: come back when the next lantern burns.
END

' Chapter 15
CAS 15
MSG 3 Tamsin: chapter 15 of the tale begins.
MSG 3 Tamsin: the lanterns of the old road must be lit again.
EVT 115
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 75
ITM + 1
XXX 16 01 1
MSG 3 Tamsin: come back when the next lantern burns.
END

' Chapter 16
CAS 16
MSG 4 Maravin: chapter 16 of the tale begins.
MSG 4 Maravin: the lanterns of the old road must be lit again.
EVT 116
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 80
ITM + 2
XXX 17 04 2
MSG 4 Maravin: come back when the next lantern burns.
END

' Chapter 17
CAS 17
MSG 5 Oswik: chapter 17 of the tale begins.
MSG 5 Oswik: the lanterns of the old road must be lit again.
EVT 117
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 85
ITM + 3
XXX 18 07 3
MSG 5 Oswik: come back when the next lantern burns.
END

' Chapter 18
CAS 18
MSG 0 Brunna: chapter 18 of the tale begins.
MSG 0 Brunna: the lanterns of the old road must be lit again.
EVT 118
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 90
ITM + 4
XXX 19 10 1
MSG 0 Brunna: come back when the next lantern burns.
END

' Chapter 19
CAS 19
MSG 1 Aldwen: chapter 19 of the tale begins.
MSG 1 Aldwen: the lanterns of the old road must be lit again.
EVT 119
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 95
ITM + 5
XXX 20 13 2
MSG 1 Aldwen: come back when the next lantern burns.
END

' Chapter 20
CAS 20
MSG 2 Ilsa: chapter 20 of the tale begins.
MSG 2 Ilsa: the lanterns of the old road must be lit again.
EVT 120
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 100
ITM + 1
XXX 01 01 3
MSG 2 Ilsa: come back when the next lantern burns.
END

' Chapter 21
CAS 21
MSG 3 Pell: chapter 21 of the tale begins.
MSG 3 Pell: the lanterns of the old road must be lit again.
EVT 121
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 105
ITM + 2
XXX 02 04 1
MSG 3 Pell: come back when the next lantern burns.
END

' Chapter 22
CAS 22
MSG 4 Corra: chapter 22 of the tale begins.
MSG 4 Corra: the lanterns of the old road must be lit again.
EVT 122
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 110
ITM + 3
XXX 03 07 2
MSG 4 Corra: come back when the next lantern burns.
END

' Chapter 23
CAS 23
MSG 5 Tamsin: chapter 23 of the tale begins.
MSG 5 Tamsin: the lanterns of the old road must be lit again.
EVT 123
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 115
ITM + 4
XXX 04 10 3
MSG 5 Tamsin: come back when the next lantern burns.
END

' Chapter 24
CAS 24
MSG 0 Maravin: chapter 24 of the tale begins.
MSG 0 Maravin: the lanterns of the old road must be lit again.
EVT 124
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 120
ITM + 5
XXX 05 13 1
MSG 0 Maravin: come back when the next lantern burns.
END

' Chapter 25
CAS 25
MSG 1 Oswik: chapter 25 of the tale begins.
MSG 1 Oswik: the lanterns of the old road must be lit again.
EVT 125
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 125
ITM + 1
XXX 06 01 2
MSG 1 Oswik: come back when the next lantern burns.
END

' Chapter 26
CAS 26
MSG 2 Brunna: chapter 26 of the tale begins.
MSG 2 Brunna: the lanterns of the old road must be lit again.
EVT 126
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 130
ITM + 2
XXX 07 04 3
MSG 2 Brunna: come back when the next lantern burns.
END

' Chapter 27
CAS 27
MSG 3 Aldwen: chapter 27 of the tale begins.
MSG 3 Aldwen: the lanterns of the old road must be lit again.
EVT 127
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 135
ITM + 3
XXX 08 07 1
MSG 3 Aldwen: come back when the next lantern burns.
END

' Chapter 28
CAS 28
MSG 4 Ilsa: chapter 28 of the tale begins.
MSG 4 Ilsa: the lanterns of the old road must be lit again.
EVT 128
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 140
ITM + 4
XXX 09 10 2
MSG 4 Ilsa: come back when the next lantern burns.
END

' Chapter 29
CAS 29
MSG 5 Pell: chapter 29 of the tale begins.
MSG 5 Pell: the lanterns of the old road must be lit again.
EVT 129
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 145
ITM + 5
XXX 10 13 3
MSG 5 Pell: come back when the next lantern burns.
END

' Chapter 30
CAS 30
MSG 0 Corra: chapter 30 of the tale begins.
MSG 0 Corra: the lanterns of the old road must be lit again.
EVT 130
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 150
ITM + 1
XXX 11 01 1
MSG 0 Corra: come back when the next lantern burns.
END

' Chapter 31
CAS 31
MSG 1 Tamsin: chapter 31 of the tale begins.
MSG 1 Tamsin: the lanterns of the old road must be lit again.
EVT 131
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 155
ITM + 2
XXX 12 04 2
MSG 1 Tamsin: come back when the next lantern burns.
END

' Chapter 32
CAS 32
MSG 2 Maravin: chapter 32 of the tale begins.
MSG 2 Maravin: the lanterns of the old road must be lit again.
EVT 132
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 160
ITM + 3
XXX 13 07 3
MSG 2 Maravin: come back when the next lantern burns.
END

' Chapter 33
CAS 33
MSG 3 Oswik: chapter 33 of the tale begins.
MSG 3 Oswik: the lanterns of the old road must be lit again.
EVT 133
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 165
ITM + 4
XXX 14 10 1
MSG 3 Oswik: come back when the next lantern burns.
END

' Chapter 34
CAS 34
MSG 4 Brunna: chapter 34 of the tale begins.
MSG 4 Brunna: the lanterns of the old road must be lit again.
EVT 134
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 170
ITM + 5
XXX 15 13 2
MSG 4 Brunna: come back when the next lantern burns.
END

' Chapter 35
CAS 35
MSG 5 Aldwen: chapter 35 of the tale begins.
MSG 5 Aldwen: the lanterns of the old road must be lit again.
EVT 135
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 175
ITM + 1
XXX 16 01 3
MSG 5 Aldwen: come back when the next lantern burns.
END

' Chapter 36
CAS 36
MSG 0 Ilsa: chapter 36 of the tale begins.
MSG 0 Ilsa: the lanterns of the old road must be lit again.
EVT 136
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 180
ITM + 2
XXX 17 04 1
MSG 0 Ilsa: come back when the next lantern burns.
END

' Chapter 37
CAS 37
MSG 1 Pell: chapter 37 of the tale begins.
MSG 1 Pell: the lanterns of the old road must be lit again.
EVT 137
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 185
ITM + 3
XXX 18 07 2
MSG 1 Pell: come back when the next lantern burns.
END

' Chapter 38
CAS 38
MSG 2 Corra: chapter 38 of the tale begins.
MSG 2 Corra: the lanterns of the old road must be lit again.
EVT 138
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 190
ITM + 4
XXX 19 10 3
MSG 2 Corra: come back when the next lantern burns.
END

' Chapter 39
CAS 39
MSG 3 Tamsin: chapter 39 of the tale begins.
MSG 3 Tamsin: the lanterns of the old road must be lit again.
EVT 139
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 195
ITM + 5
XXX 20 13 1
MSG 3 Tamsin: come back when the next lantern burns.
END

' Chapter 40
CAS 40
MSG 4 Maravin: chapter 40 of the tale begins.
MSG 4 Maravin: the lanterns of the old road must be lit again.
EVT 140
VAR +
RND 2
WAV chime
WAV !giggle
MNY + 200
ITM + 1
XXX 01 01 2
MSG 4 Maravin: come back when the next lantern burns.
END

END
