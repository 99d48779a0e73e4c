czas_wolny=wolny_zdania1=1=czas_wolny.png=Co robimy po szkole?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
czas_wolny=wolny_zdania2=2=czas_wolny.png=Hobby i zabawy=A1=90,70*410,70*90,70*410,70*60,372*680,130==
czas_wolny=wolny_zdania3=3=czas_wolny.png=Muzyka i kino=A1=27,80*285,80*543,80*27,80*60,372*680,130==
czas_wolny=wolny_zdania4=4=czas_wolny.png=Weekend=A1=14,90*210,90*406,90*602,90*60,372*680,130==
liczby=liczby_zdania1=1=liczby.png=Ile ich jest?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
liczby=liczby_zdania2=2=liczby.png=Liczymy do dwudziestu=A1=90,70*410,70*90,70*410,70*60,372*680,130==
