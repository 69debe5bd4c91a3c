'!The elder of Mirrowmere greets the hero and hands out the first goal
' Runs when the hero talks to the elder in his hut.
EVT 3
CAS 1
MSG 1 Welcome, traveller. Mirrowmere has waited for you.
MSG 1 The ferryman lost his key in the reeds south of the village.
XXX 12 08 1
ITM + 2
MNY + 25
WAV chime
END
CAS
MSG 1 Go and see the ferryman. He waits at the river.
END
