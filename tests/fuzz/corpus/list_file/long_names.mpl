C:\Very long folder name\Very long folder name\Very long folder name\Very long folder name\Very long folder name\Very long folder name\Very long folder name\Very long folder name\Very long folder name\Very long folder name\Very long folder name\Very long folder name\Song with a long name.mid
\\server\share\x.wav
