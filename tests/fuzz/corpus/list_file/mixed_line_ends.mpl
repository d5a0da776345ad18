C:\Midi\a.mid
D:\Wave\b.wavE:\c.rmi

 relative\d.avi 