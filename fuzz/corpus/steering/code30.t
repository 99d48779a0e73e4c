czas_wolny=wolny_slowka=30=czas_wolny.png=Hobby i rozrywka=A1==11=
liczby=liczby_slowka=30=liczby.png=Liczby od 0 do 100=A1==11=
miejsca=miejsca_slowka=30=miejsca.png=Miejsca w mieœcie i poza nim=A1==11=
dom=dom_slowka=30=dom.png=Dom i mieszkanie=A1==11=
czas=czas_slowka=30=czas.png=Zegary i pory roku=A1==11=
kuchnia=kuchnia_slowka=30=kuchnia.png=Jedzenie i naczynia=A1==11=
