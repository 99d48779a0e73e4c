// Lumora – plan lekcji. Jeden wiersz to jedna lekcja:
// temat=treœæ=kod=t³o=tytu³=poziom=uk³ad (x,y*x,y...)=warianty=
// Kody: 30 s³ówka (warianty 11: wybór i wpisywanie), 1-4 zdania (ka¿de
// dostaje uzupe³nianie), 35-39 historyjka (numer rekordu w St.t),
// 40 wykreœlanka (plik w Pseudo), 41 odkrywanka, 42 krzy¿ówka.
// Zdania: pary 1-4 to miejsca obrazków, 5 i 6 ramka tekstu do uzupe³niania.
// Historyjka: para 1 odtwarzacz, 2 film, 3 i 4 treœæ (tabela, wyrazy, szerokoœæ).

// ------------------------------------------------------ czas_wolny
czas_wolny=wolny_slowka=30=czas_wolny.png=Hobby i rozrywka=A1==11=
czas_wolny=wolny_zdania1=1=czas_wolny.png=Co robimy po szkole?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
czas_wolny=wolny_zdania2=2=czas_wolny.png=Hobby i zabawy=A1=90,70*410,70*90,70*410,70*60,372*680,130==
czas_wolny=wolny_zdania3=3=czas_wolny.png=Muzyka i kino=A1=27,80*285,80*543,80*27,80*60,372*680,130==
czas_wolny=wolny_zdania4=4=czas_wolny.png=Weekend=A1=14,90*210,90*406,90*602,90*60,372*680,130==
czas_wolny=11=35=czas_wolny.png=Sobota Lucy=A1=24,62*420,118*30,118*690,410==
czas_wolny=12=36=czas_wolny.png=Sobota Lucy=A1=24,62*420,118*0,250*30,120*700,1==
czas_wolny=13=37=czas_wolny.png=Sobota Lucy=A1=24,62*420,118*30,118*690,410==
czas_wolny=15=39=czas_wolny.png=Sobota Lucy=A1=24,62*420,118*30,118*690,410==
czas_wolny=14=38=czas_wolny.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
czas_wolny=wolny_wykreslanka=40=czas_wolny.png=Wykreœlanka – znajdŸ s³owa=A1===
czas_wolny=wolny_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
czas_wolny=wolny_krzyzowka=42=czas_wolny.png=Krzy¿ówka=A1===

// ---------------------------------------------------------- liczby
liczby=liczby_slowka=30=liczby.png=Liczby od 0 do 100=A1==11=
liczby=liczby_zdania1=1=liczby.png=Ile ich jest?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
liczby=liczby_zdania2=2=liczby.png=Liczymy do dwudziestu=A1=90,70*410,70*90,70*410,70*60,372*680,130==
liczby=liczby_zdania3=3=liczby.png=Ceny i pieni¹dze=A1=27,80*285,80*543,80*27,80*60,372*680,130==
liczby=liczby_zdania4=4=liczby.png=Liczby wokó³ nas=A1=14,90*210,90*406,90*602,90*60,372*680,130==
liczby=21=35=liczby.png=Na targu=A1=24,62*420,118*30,118*690,410==
liczby=22=36=liczby.png=Na targu=A1=24,62*420,118*0,250*30,120*700,1==
liczby=23=37=liczby.png=Na targu=A1=24,62*420,118*30,118*690,410==
liczby=25=39=liczby.png=Na targu=A1=24,62*420,118*30,118*690,410==
liczby=24=38=liczby.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
liczby=liczby_wykreslanka=40=liczby.png=Wykreœlanka – znajdŸ s³owa=A1===
liczby=liczby_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
liczby=liczby_krzyzowka=42=liczby.png=Krzy¿ówka=A1===

// --------------------------------------------------------- miejsca
miejsca=miejsca_slowka=30=miejsca.png=Miejsca w mieœcie i poza nim=A1==11=
miejsca=miejsca_zdania1=1=miejsca.png=Gdzie to jest?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
miejsca=miejsca_zdania2=2=miejsca.png=W mieœcie=A1=90,70*410,70*90,70*410,70*60,372*680,130==
miejsca=miejsca_zdania3=3=miejsca.png=Krajobrazy=A1=27,80*285,80*543,80*27,80*60,372*680,130==
miejsca=miejsca_zdania4=4=miejsca.png=Dok¹d idziesz?=A1=14,90*210,90*406,90*602,90*60,372*680,130==
miejsca=31=35=miejsca.png=Moje miasteczko=A1=24,62*420,118*30,118*690,410==
miejsca=32=36=miejsca.png=Moje miasteczko=A1=24,62*420,118*0,250*30,120*700,1==
miejsca=33=37=miejsca.png=Moje miasteczko=A1=24,62*420,118*30,118*690,410==
miejsca=35=39=miejsca.png=Moje miasteczko=A1=24,62*420,118*30,118*690,410==
miejsca=34=38=miejsca.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
miejsca=miejsca_wykreslanka=40=miejsca.png=Wykreœlanka – znajdŸ s³owa=A1===
miejsca=miejsca_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
miejsca=miejsca_krzyzowka=42=miejsca.png=Krzy¿ówka=A1===

// ------------------------------------------------------------- dom
dom=dom_slowka=30=dom.png=Dom i mieszkanie=A1==11=
dom=dom_zdania1=1=dom.png=Co jest w pokoju?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
dom=dom_zdania2=2=dom.png=Mój dom=A1=90,70*410,70*90,70*410,70*60,372*680,130==
dom=dom_zdania3=3=dom.png=Meble i sprzêty=A1=27,80*285,80*543,80*27,80*60,372*680,130==
dom=dom_zdania4=4=dom.png=Prace domowe=A1=14,90*210,90*406,90*602,90*60,372*680,130==
dom=41=35=dom.png=Nowe mieszkanie=A1=24,62*420,118*30,118*690,410==
dom=42=36=dom.png=Nowe mieszkanie=A1=24,62*420,118*0,250*30,120*700,1==
dom=43=37=dom.png=Nowe mieszkanie=A1=24,62*420,118*30,118*690,410==
dom=45=39=dom.png=Nowe mieszkanie=A1=24,62*420,118*30,118*690,410==
dom=44=38=dom.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
dom=dom_wykreslanka=40=dom.png=Wykreœlanka – znajdŸ s³owa=A1===
dom=dom_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
dom=dom_krzyzowka=42=dom.png=Krzy¿ówka=A1===

// ------------------------------------------------------------ czas
czas=czas_slowka=30=czas.png=Zegary i pory roku=A1==11=
czas=czas_zdania1=1=czas.png=Która godzina?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
czas=czas_zdania2=2=czas.png=Mój dzieñ=A1=90,70*410,70*90,70*410,70*60,372*680,130==
czas=czas_zdania3=3=czas.png=Pory roku i œwiêta=A1=27,80*285,80*543,80*27,80*60,372*680,130==
czas=czas_zdania4=4=czas.png=Dni i miesi¹ce=A1=14,90*210,90*406,90*602,90*60,372*680,130==
czas=51=35=czas.png=Ben siê spóŸnia=A1=24,62*420,118*30,118*690,410==
czas=52=36=czas.png=Ben siê spóŸnia=A1=24,62*420,118*0,250*30,120*700,1==
czas=53=37=czas.png=Ben siê spóŸnia=A1=24,62*420,118*30,118*690,410==
czas=55=39=czas.png=Ben siê spóŸnia=A1=24,62*420,118*30,118*690,410==
czas=54=38=czas.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
czas=czas_wykreslanka=40=czas.png=Wykreœlanka – znajdŸ s³owa=A1===
czas=czas_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
czas=czas_krzyzowka=42=czas.png=Krzy¿ówka=A1===

// --------------------------------------------------------- kuchnia
kuchnia=kuchnia_slowka=30=kuchnia.png=Jedzenie i naczynia=A1==11=
kuchnia=kuchnia_zdania1=1=kuchnia.png=Co jest na stole?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
kuchnia=kuchnia_zdania2=2=kuchnia.png=Œniadanie, obiad, kolacja=A1=90,70*410,70*90,70*410,70*60,372*680,130==
kuchnia=kuchnia_zdania3=3=kuchnia.png=Owoce i warzywa=A1=27,80*285,80*543,80*27,80*60,372*680,130==
kuchnia=kuchnia_zdania4=4=kuchnia.png=W kuchni i w sklepie=A1=14,90*210,90*406,90*602,90*60,372*680,130==
kuchnia=61=35=kuchnia.png=Naleœniki dla mamy=A1=24,62*420,118*30,118*690,410==
kuchnia=62=36=kuchnia.png=Naleœniki dla mamy=A1=24,62*420,118*0,250*30,120*700,1==
kuchnia=63=37=kuchnia.png=Naleœniki dla mamy=A1=24,62*420,118*30,118*690,410==
kuchnia=65=39=kuchnia.png=Naleœniki dla mamy=A1=24,62*420,118*30,118*690,410==
kuchnia=64=38=kuchnia.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
kuchnia=kuchnia_wykreslanka=40=kuchnia.png=Wykreœlanka – znajdŸ s³owa=A1===
kuchnia=kuchnia_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
kuchnia=kuchnia_krzyzowka=42=kuchnia.png=Krzy¿ówka=A1===

// ----------------------------------------------------------- praca
praca=praca_slowka=30=praca.png=Zawody=A1==11=
praca=praca_zdania1=1=praca.png=Kto to jest?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
praca=praca_zdania2=2=praca.png=W pracy=A1=90,70*410,70*90,70*410,70*60,372*680,130==
praca=praca_zdania3=3=praca.png=Narzêdzia=A1=27,80*285,80*543,80*27,80*60,372*680,130==
praca=praca_zdania4=4=praca.png=Gdzie pracuj¹?=A1=14,90*210,90*406,90*602,90*60,372*680,130==
praca=71=35=praca.png=Dzieñ w remizie=A1=24,62*420,118*30,118*690,410==
praca=72=36=praca.png=Dzieñ w remizie=A1=24,62*420,118*0,250*30,120*700,1==
praca=73=37=praca.png=Dzieñ w remizie=A1=24,62*420,118*30,118*690,410==
praca=75=39=praca.png=Dzieñ w remizie=A1=24,62*420,118*30,118*690,410==
praca=74=38=praca.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
praca=praca_wykreslanka=40=praca.png=Wykreœlanka – znajdŸ s³owa=A1===
praca=praca_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
praca=praca_krzyzowka=42=praca.png=Krzy¿ówka=A1===

// ------------------------------------------------------- zwierzeta
zwierzeta=zwierzeta_slowka=30=zwierzeta.png=Zwierzêta=A1==11=
zwierzeta=zwierzeta_zdania1=1=zwierzeta.png=Na wsi=A1=180,64*180,64*180,64*180,64*60,372*680,130==
zwierzeta=zwierzeta_zdania2=2=zwierzeta.png=W zoo=A1=90,70*410,70*90,70*410,70*60,372*680,130==
zwierzeta=zwierzeta_zdania3=3=zwierzeta.png=Zwierzêta domowe=A1=27,80*285,80*543,80*27,80*60,372*680,130==
zwierzeta=zwierzeta_zdania4=4=zwierzeta.png=Co potrafi¹ zwierzêta?=A1=14,90*210,90*406,90*602,90*60,372*680,130==
zwierzeta=81=35=zwierzeta.png=Max na farmie=A1=24,62*420,118*30,118*690,410==
zwierzeta=82=36=zwierzeta.png=Max na farmie=A1=24,62*420,118*0,250*30,120*700,1==
zwierzeta=83=37=zwierzeta.png=Max na farmie=A1=24,62*420,118*30,118*690,410==
zwierzeta=85=39=zwierzeta.png=Max na farmie=A1=24,62*420,118*30,118*690,410==
zwierzeta=84=38=zwierzeta.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
zwierzeta=zwierzeta_wykreslanka=40=zwierzeta.png=Wykreœlanka – znajdŸ s³owa=A1===
zwierzeta=zwierzeta_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
zwierzeta=zwierzeta_krzyzowka=42=zwierzeta.png=Krzy¿ówka=A1===

// --------------------------------------------------------- podroze
podroze=podroze_slowka=30=podroze.png=Œrodki transportu=A1==11=
podroze=podroze_zdania1=1=podroze.png=Czym podró¿ujemy?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
podroze=podroze_zdania2=2=podroze.png=W podró¿y=A1=90,70*410,70*90,70*410,70*60,372*680,130==
podroze=podroze_zdania3=3=podroze.png=Na lotnisku i na dworcu=A1=27,80*285,80*543,80*27,80*60,372*680,130==
podroze=podroze_zdania4=4=podroze.png=Wakacje za granic¹=A1=14,90*210,90*406,90*602,90*60,372*680,130==
podroze=91=35=podroze.png=Wycieczka nad morze=A1=24,62*420,118*20,118*385,410==
podroze=92=36=podroze.png=Wycieczka nad morze=A1=24,62*420,118*20,300*20,118*385,1==
podroze=93=37=podroze.png=Wycieczka nad morze=A1=24,62*420,118*20,118*385,410==
podroze=95=39=podroze.png=Wycieczka nad morze=A1=24,62*420,118*20,118*385,410==
podroze=94=38=podroze.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
podroze=podroze_wykreslanka=40=podroze.png=Wykreœlanka – znajdŸ s³owa=A1===
podroze=podroze_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
podroze=podroze_krzyzowka=42=podroze.png=Krzy¿ówka=A1===

// -------------------------------------------- czlowiek_i_otoczenie
czlowiek_i_otoczenie=czlowiek_slowka=30=czlowiek_i_otoczenie.png=Ludzie i cia³o=A1==11=
czlowiek_i_otoczenie=czlowiek_zdania1=1=czlowiek_i_otoczenie.png=Moja rodzina=A1=180,64*180,64*180,64*180,64*60,372*680,130==
czlowiek_i_otoczenie=czlowiek_zdania2=2=czlowiek_i_otoczenie.png=Czêœci cia³a=A1=90,70*410,70*90,70*410,70*60,372*680,130==
czlowiek_i_otoczenie=czlowiek_zdania3=3=czlowiek_i_otoczenie.png=Jak siê czujesz?=A1=27,80*285,80*543,80*27,80*60,372*680,130==
czlowiek_i_otoczenie=czlowiek_zdania4=4=czlowiek_i_otoczenie.png=Ubrania=A1=14,90*210,90*406,90*602,90*60,372*680,130==
czlowiek_i_otoczenie=101=35=czlowiek_i_otoczenie.png=Poznaj moj¹ rodzinê=A1=24,62*420,118*30,118*690,410==
czlowiek_i_otoczenie=102=36=czlowiek_i_otoczenie.png=Poznaj moj¹ rodzinê=A1=24,62*420,118*0,250*30,120*700,1==
czlowiek_i_otoczenie=103=37=czlowiek_i_otoczenie.png=Poznaj moj¹ rodzinê=A1=24,62*420,118*30,118*690,410==
czlowiek_i_otoczenie=105=39=czlowiek_i_otoczenie.png=Poznaj moj¹ rodzinê=A1=24,62*420,118*30,118*690,410==
czlowiek_i_otoczenie=104=38=czlowiek_i_otoczenie.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
czlowiek_i_otoczenie=czlowiek_wykreslanka=40=czlowiek_i_otoczenie.png=Wykreœlanka – znajdŸ s³owa=A1===
czlowiek_i_otoczenie=czlowiek_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
czlowiek_i_otoczenie=czlowiek_krzyzowka=42=czlowiek_i_otoczenie.png=Krzy¿ówka=A1===

// ----------------------------------------------------------- sport
sport=sport_slowka=30=sport.png=Dyscypliny sportu=A1==11=
sport=sport_zdania1=1=sport.png=Na boisku=A1=180,64*180,64*180,64*180,64*60,372*680,130==
sport=sport_zdania2=2=sport.png=Sporty=A1=90,70*410,70*90,70*410,70*60,372*680,130==
sport=sport_zdania3=3=sport.png=Sprzêt sportowy=A1=27,80*285,80*543,80*27,80*60,372*680,130==
sport=sport_zdania4=4=sport.png=Zawody=A1=14,90*210,90*406,90*602,90*60,372*680,130==
sport=111=35=sport.png=Wielki mecz=A1=24,62*420,118*30,118*690,410==
sport=112=36=sport.png=Wielki mecz=A1=24,62*420,118*0,250*30,120*700,1==
sport=113=37=sport.png=Wielki mecz=A1=24,62*420,118*30,118*690,410==
sport=115=39=sport.png=Wielki mecz=A1=24,62*420,118*30,118*690,410==
sport=114=38=sport.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
sport=sport_wykreslanka=40=sport.png=Wykreœlanka – znajdŸ s³owa=A1===
sport=sport_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
sport=sport_krzyzowka=42=sport.png=Krzy¿ówka=A1===

// ----------------------------------------------------------- rozne
rozne=rozne_slowka=30=rozne.png=Pogoda i przedmioty=A1==11=
rozne=rozne_zdania1=1=rozne.png=Jaka jest pogoda?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
rozne=rozne_zdania2=2=rozne.png=Przyjêcie urodzinowe=A1=90,70*410,70*90,70*410,70*60,372*680,130==
rozne=rozne_zdania3=3=rozne.png=Rzeczy codziennego u¿ytku=A1=27,80*285,80*543,80*27,80*60,372*680,130==
rozne=rozne_zdania4=4=rozne.png=Kolory i kszta³ty=A1=14,90*210,90*406,90*602,90*60,372*680,130==
rozne=121=35=rozne.png=Deszczowe urodziny=A1=24,62*420,118*30,118*690,410==
rozne=122=36=rozne.png=Deszczowe urodziny=A1=24,62*420,118*0,250*30,120*700,1==
rozne=123=37=rozne.png=Deszczowe urodziny=A1=24,62*420,118*30,118*690,410==
rozne=125=39=rozne.png=Deszczowe urodziny=A1=24,62*420,118*30,118*690,410==
rozne=124=38=rozne.png=S³owa z historyjki=A1=24,62*420,118*30,70*30,150==
rozne=rozne_wykreslanka=40=rozne.png=Wykreœlanka – znajdŸ s³owa=A1===
rozne=rozne_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
rozne=rozne_krzyzowka=42=rozne.png=Krzy¿ówka=A1===
