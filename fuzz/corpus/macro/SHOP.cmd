'!Brunna's smithy: sells torches and mends armour
MSG 1 Mind the sparks! A torch costs 10 coins.
MNY ? 10
NOT
>>>
MSG 1 Come back when your purse is heavier.
END
<<<
MNY - 10
ITM + 5
RND 1
MSG 1 Here you are. Keep it dry.
ARM
END