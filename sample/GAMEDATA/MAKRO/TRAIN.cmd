'!Training ground at the Café of Lanterns (practice fights, no goals)
' Café regulars cheer »on« the hero; the text keeps its accents.
ARM ?
NOT
>>>
MSG 1 Take a wooden sword from the rack first.
END
<<<
DBG
BUB 7
SPK 0412
CAS 9
VAR 0
END
CAS
VAR ? 3
MSG 1 Three rounds won. The regulars raise their mugs!
DIE
END
