[document]
Duplicates 01=0
Board 01=aaaaaabffffffkkkkkklpppppp000
Duplicates 02=0
Board 02=aaaaaabffffffkkkkkklpppppp000
