C:\Songs\Harbour.mid
C:\Songs\Rain.wav
C:\Songs\Clip.avi
