[Document]
Headline=Hands Entered By User||
Status=Show
Duplicates=1
From board=1
To board=1
Next board to duplimate=0
PrintOuts=0
Crypto key=0
Checksum=00
Board 01=pqaaaaaaaaaaaaaaaaaaaaaaaa000
