// Lumora – plan lekcji. Jeden wiersz to jedna lekcja:
// temat=treść=kod=tło=tytuł=poziom=układ (x,y*x,y...)=warianty=
// Kody: 30 słówka (warianty 11: wybór i wpisywanie), 1-4 zdania (każde
// dostaje uzupełnianie), 35-39 historyjka (numer rekordu w St.t),
// 40 wykreślanka (plik w Pseudo), 41 odkrywanka, 42 krzyżówka.
// Zdania: pary 1-4 to miejsca obrazków, 5 i 6 ramka tekstu do uzupełniania.
// Historyjka: para 1 odtwarzacz, 2 film, 3 i 4 treść (tabela, wyrazy, szerokość).

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
czas_wolny=14=38=czas_wolny.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
czas_wolny=wolny_wykreslanka=40=czas_wolny.png=Wykreślanka – znajdź słowa=A1===
czas_wolny=wolny_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
czas_wolny=wolny_krzyzowka=42=czas_wolny.png=Krzyżówka=A1===

// ---------------------------------------------------------- liczby
liczby=liczby_slowka=30=liczby.png=Liczby od 0 do 100=A1==11=
liczby=liczby_zdania1=1=liczby.png=Ile ich jest?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
liczby=liczby_zdania2=2=liczby.png=Liczymy do dwudziestu=A1=90,70*410,70*90,70*410,70*60,372*680,130==
liczby=liczby_zdania3=3=liczby.png=Ceny i pieniądze=A1=27,80*285,80*543,80*27,80*60,372*680,130==
liczby=liczby_zdania4=4=liczby.png=Liczby wokół nas=A1=14,90*210,90*406,90*602,90*60,372*680,130==
liczby=21=35=liczby.png=Na targu=A1=24,62*420,118*30,118*690,410==
liczby=22=36=liczby.png=Na targu=A1=24,62*420,118*0,250*30,120*700,1==
liczby=23=37=liczby.png=Na targu=A1=24,62*420,118*30,118*690,410==
liczby=25=39=liczby.png=Na targu=A1=24,62*420,118*30,118*690,410==
liczby=24=38=liczby.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
liczby=liczby_wykreslanka=40=liczby.png=Wykreślanka – znajdź słowa=A1===
liczby=liczby_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
liczby=liczby_krzyzowka=42=liczby.png=Krzyżówka=A1===

// --------------------------------------------------------- miejsca
miejsca=miejsca_slowka=30=miejsca.png=Miejsca w mieście i poza nim=A1==11=
miejsca=miejsca_zdania1=1=miejsca.png=Gdzie to jest?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
miejsca=miejsca_zdania2=2=miejsca.png=W mieście=A1=90,70*410,70*90,70*410,70*60,372*680,130==
miejsca=miejsca_zdania3=3=miejsca.png=Krajobrazy=A1=27,80*285,80*543,80*27,80*60,372*680,130==
miejsca=miejsca_zdania4=4=miejsca.png=Dokąd idziesz?=A1=14,90*210,90*406,90*602,90*60,372*680,130==
miejsca=31=35=miejsca.png=Moje miasteczko=A1=24,62*420,118*30,118*690,410==
miejsca=32=36=miejsca.png=Moje miasteczko=A1=24,62*420,118*0,250*30,120*700,1==
miejsca=33=37=miejsca.png=Moje miasteczko=A1=24,62*420,118*30,118*690,410==
miejsca=35=39=miejsca.png=Moje miasteczko=A1=24,62*420,118*30,118*690,410==
miejsca=34=38=miejsca.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
miejsca=miejsca_wykreslanka=40=miejsca.png=Wykreślanka – znajdź słowa=A1===
miejsca=miejsca_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
miejsca=miejsca_krzyzowka=42=miejsca.png=Krzyżówka=A1===

// ------------------------------------------------------------- dom
dom=dom_slowka=30=dom.png=Dom i mieszkanie=A1==11=
dom=dom_zdania1=1=dom.png=Co jest w pokoju?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
dom=dom_zdania2=2=dom.png=Mój dom=A1=90,70*410,70*90,70*410,70*60,372*680,130==
dom=dom_zdania3=3=dom.png=Meble i sprzęty=A1=27,80*285,80*543,80*27,80*60,372*680,130==
dom=dom_zdania4=4=dom.png=Prace domowe=A1=14,90*210,90*406,90*602,90*60,372*680,130==
dom=41=35=dom.png=Nowe mieszkanie=A1=24,62*420,118*30,118*690,410==
dom=42=36=dom.png=Nowe mieszkanie=A1=24,62*420,118*0,250*30,120*700,1==
dom=43=37=dom.png=Nowe mieszkanie=A1=24,62*420,118*30,118*690,410==
dom=45=39=dom.png=Nowe mieszkanie=A1=24,62*420,118*30,118*690,410==
dom=44=38=dom.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
dom=dom_wykreslanka=40=dom.png=Wykreślanka – znajdź słowa=A1===
dom=dom_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
dom=dom_krzyzowka=42=dom.png=Krzyżówka=A1===

// ------------------------------------------------------------ czas
czas=czas_slowka=30=czas.png=Zegary i pory roku=A1==11=
czas=czas_zdania1=1=czas.png=Która godzina?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
czas=czas_zdania2=2=czas.png=Mój dzień=A1=90,70*410,70*90,70*410,70*60,372*680,130==
czas=czas_zdania3=3=czas.png=Pory roku i święta=A1=27,80*285,80*543,80*27,80*60,372*680,130==
czas=czas_zdania4=4=czas.png=Dni i miesiące=A1=14,90*210,90*406,90*602,90*60,372*680,130==
czas=51=35=czas.png=Ben się spóźnia=A1=24,62*420,118*30,118*690,410==
czas=52=36=czas.png=Ben się spóźnia=A1=24,62*420,118*0,250*30,120*700,1==
czas=53=37=czas.png=Ben się spóźnia=A1=24,62*420,118*30,118*690,410==
czas=55=39=czas.png=Ben się spóźnia=A1=24,62*420,118*30,118*690,410==
czas=54=38=czas.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
czas=czas_wykreslanka=40=czas.png=Wykreślanka – znajdź słowa=A1===
czas=czas_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
czas=czas_krzyzowka=42=czas.png=Krzyżówka=A1===

// --------------------------------------------------------- kuchnia
kuchnia=kuchnia_slowka=30=kuchnia.png=Jedzenie i naczynia=A1==11=
kuchnia=kuchnia_zdania1=1=kuchnia.png=Co jest na stole?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
kuchnia=kuchnia_zdania2=2=kuchnia.png=Śniadanie, obiad, kolacja=A1=90,70*410,70*90,70*410,70*60,372*680,130==
kuchnia=kuchnia_zdania3=3=kuchnia.png=Owoce i warzywa=A1=27,80*285,80*543,80*27,80*60,372*680,130==
kuchnia=kuchnia_zdania4=4=kuchnia.png=W kuchni i w sklepie=A1=14,90*210,90*406,90*602,90*60,372*680,130==
kuchnia=61=35=kuchnia.png=Naleśniki dla mamy=A1=24,62*420,118*30,118*690,410==
kuchnia=62=36=kuchnia.png=Naleśniki dla mamy=A1=24,62*420,118*0,250*30,120*700,1==
kuchnia=63=37=kuchnia.png=Naleśniki dla mamy=A1=24,62*420,118*30,118*690,410==
kuchnia=65=39=kuchnia.png=Naleśniki dla mamy=A1=24,62*420,118*30,118*690,410==
kuchnia=64=38=kuchnia.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
kuchnia=kuchnia_wykreslanka=40=kuchnia.png=Wykreślanka – znajdź słowa=A1===
kuchnia=kuchnia_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
kuchnia=kuchnia_krzyzowka=42=kuchnia.png=Krzyżówka=A1===

// ----------------------------------------------------------- praca
praca=praca_slowka=30=praca.png=Zawody=A1==11=
praca=praca_zdania1=1=praca.png=Kto to jest?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
praca=praca_zdania2=2=praca.png=W pracy=A1=90,70*410,70*90,70*410,70*60,372*680,130==
praca=praca_zdania3=3=praca.png=Narzędzia=A1=27,80*285,80*543,80*27,80*60,372*680,130==
praca=praca_zdania4=4=praca.png=Gdzie pracują?=A1=14,90*210,90*406,90*602,90*60,372*680,130==
praca=71=35=praca.png=Dzień w remizie=A1=24,62*420,118*30,118*690,410==
praca=72=36=praca.png=Dzień w remizie=A1=24,62*420,118*0,250*30,120*700,1==
praca=73=37=praca.png=Dzień w remizie=A1=24,62*420,118*30,118*690,410==
praca=75=39=praca.png=Dzień w remizie=A1=24,62*420,118*30,118*690,410==
praca=74=38=praca.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
praca=praca_wykreslanka=40=praca.png=Wykreślanka – znajdź słowa=A1===
praca=praca_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
praca=praca_krzyzowka=42=praca.png=Krzyżówka=A1===

// ------------------------------------------------------- zwierzeta
zwierzeta=zwierzeta_slowka=30=zwierzeta.png=Zwierzęta=A1==11=
zwierzeta=zwierzeta_zdania1=1=zwierzeta.png=Na wsi=A1=180,64*180,64*180,64*180,64*60,372*680,130==
zwierzeta=zwierzeta_zdania2=2=zwierzeta.png=W zoo=A1=90,70*410,70*90,70*410,70*60,372*680,130==
zwierzeta=zwierzeta_zdania3=3=zwierzeta.png=Zwierzęta domowe=A1=27,80*285,80*543,80*27,80*60,372*680,130==
zwierzeta=zwierzeta_zdania4=4=zwierzeta.png=Co potrafią zwierzęta?=A1=14,90*210,90*406,90*602,90*60,372*680,130==
zwierzeta=81=35=zwierzeta.png=Max na farmie=A1=24,62*420,118*30,118*690,410==
zwierzeta=82=36=zwierzeta.png=Max na farmie=A1=24,62*420,118*0,250*30,120*700,1==
zwierzeta=83=37=zwierzeta.png=Max na farmie=A1=24,62*420,118*30,118*690,410==
zwierzeta=85=39=zwierzeta.png=Max na farmie=A1=24,62*420,118*30,118*690,410==
zwierzeta=84=38=zwierzeta.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
zwierzeta=zwierzeta_wykreslanka=40=zwierzeta.png=Wykreślanka – znajdź słowa=A1===
zwierzeta=zwierzeta_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
zwierzeta=zwierzeta_krzyzowka=42=zwierzeta.png=Krzyżówka=A1===

// --------------------------------------------------------- podroze
podroze=podroze_slowka=30=podroze.png=Środki transportu=A1==11=
podroze=podroze_zdania1=1=podroze.png=Czym podróżujemy?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
podroze=podroze_zdania2=2=podroze.png=W podróży=A1=90,70*410,70*90,70*410,70*60,372*680,130==
podroze=podroze_zdania3=3=podroze.png=Na lotnisku i na dworcu=A1=27,80*285,80*543,80*27,80*60,372*680,130==
podroze=podroze_zdania4=4=podroze.png=Wakacje za granicą=A1=14,90*210,90*406,90*602,90*60,372*680,130==
podroze=91=35=podroze.png=Wycieczka nad morze=A1=24,62*420,118*20,118*385,410==
podroze=92=36=podroze.png=Wycieczka nad morze=A1=24,62*420,118*20,300*20,118*385,1==
podroze=93=37=podroze.png=Wycieczka nad morze=A1=24,62*420,118*20,118*385,410==
podroze=95=39=podroze.png=Wycieczka nad morze=A1=24,62*420,118*20,118*385,410==
podroze=94=38=podroze.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
podroze=podroze_wykreslanka=40=podroze.png=Wykreślanka – znajdź słowa=A1===
podroze=podroze_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
podroze=podroze_krzyzowka=42=podroze.png=Krzyżówka=A1===

// -------------------------------------------- czlowiek_i_otoczenie
czlowiek_i_otoczenie=czlowiek_slowka=30=czlowiek_i_otoczenie.png=Ludzie i ciało=A1==11=
czlowiek_i_otoczenie=czlowiek_zdania1=1=czlowiek_i_otoczenie.png=Moja rodzina=A1=180,64*180,64*180,64*180,64*60,372*680,130==
czlowiek_i_otoczenie=czlowiek_zdania2=2=czlowiek_i_otoczenie.png=Części ciała=A1=90,70*410,70*90,70*410,70*60,372*680,130==
czlowiek_i_otoczenie=czlowiek_zdania3=3=czlowiek_i_otoczenie.png=Jak się czujesz?=A1=27,80*285,80*543,80*27,80*60,372*680,130==
czlowiek_i_otoczenie=czlowiek_zdania4=4=czlowiek_i_otoczenie.png=Ubrania=A1=14,90*210,90*406,90*602,90*60,372*680,130==
czlowiek_i_otoczenie=101=35=czlowiek_i_otoczenie.png=Poznaj moją rodzinę=A1=24,62*420,118*30,118*690,410==
czlowiek_i_otoczenie=102=36=czlowiek_i_otoczenie.png=Poznaj moją rodzinę=A1=24,62*420,118*0,250*30,120*700,1==
czlowiek_i_otoczenie=103=37=czlowiek_i_otoczenie.png=Poznaj moją rodzinę=A1=24,62*420,118*30,118*690,410==
czlowiek_i_otoczenie=105=39=czlowiek_i_otoczenie.png=Poznaj moją rodzinę=A1=24,62*420,118*30,118*690,410==
czlowiek_i_otoczenie=104=38=czlowiek_i_otoczenie.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
czlowiek_i_otoczenie=czlowiek_wykreslanka=40=czlowiek_i_otoczenie.png=Wykreślanka – znajdź słowa=A1===
czlowiek_i_otoczenie=czlowiek_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
czlowiek_i_otoczenie=czlowiek_krzyzowka=42=czlowiek_i_otoczenie.png=Krzyżówka=A1===

// ----------------------------------------------------------- sport
sport=sport_slowka=30=sport.png=Dyscypliny sportu=A1==11=
sport=sport_zdania1=1=sport.png=Na boisku=A1=180,64*180,64*180,64*180,64*60,372*680,130==
sport=sport_zdania2=2=sport.png=Sporty=A1=90,70*410,70*90,70*410,70*60,372*680,130==
sport=sport_zdania3=3=sport.png=Sprzęt sportowy=A1=27,80*285,80*543,80*27,80*60,372*680,130==
sport=sport_zdania4=4=sport.png=Zawody=A1=14,90*210,90*406,90*602,90*60,372*680,130==
sport=111=35=sport.png=Wielki mecz=A1=24,62*420,118*30,118*690,410==
sport=112=36=sport.png=Wielki mecz=A1=24,62*420,118*0,250*30,120*700,1==
sport=113=37=sport.png=Wielki mecz=A1=24,62*420,118*30,118*690,410==
sport=115=39=sport.png=Wielki mecz=A1=24,62*420,118*30,118*690,410==
sport=114=38=sport.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
sport=sport_wykreslanka=40=sport.png=Wykreślanka – znajdź słowa=A1===
sport=sport_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
sport=sport_krzyzowka=42=sport.png=Krzyżówka=A1===

// ----------------------------------------------------------- rozne
rozne=rozne_slowka=30=rozne.png=Pogoda i przedmioty=A1==11=
rozne=rozne_zdania1=1=rozne.png=Jaka jest pogoda?=A1=180,64*180,64*180,64*180,64*60,372*680,130==
rozne=rozne_zdania2=2=rozne.png=Przyjęcie urodzinowe=A1=90,70*410,70*90,70*410,70*60,372*680,130==
rozne=rozne_zdania3=3=rozne.png=Rzeczy codziennego użytku=A1=27,80*285,80*543,80*27,80*60,372*680,130==
rozne=rozne_zdania4=4=rozne.png=Kolory i kształty=A1=14,90*210,90*406,90*602,90*60,372*680,130==
rozne=121=35=rozne.png=Deszczowe urodziny=A1=24,62*420,118*30,118*690,410==
rozne=122=36=rozne.png=Deszczowe urodziny=A1=24,62*420,118*0,250*30,120*700,1==
rozne=123=37=rozne.png=Deszczowe urodziny=A1=24,62*420,118*30,118*690,410==
rozne=125=39=rozne.png=Deszczowe urodziny=A1=24,62*420,118*30,118*690,410==
rozne=124=38=rozne.png=Słowa z historyjki=A1=24,62*420,118*30,70*30,150==
rozne=rozne_wykreslanka=40=rozne.png=Wykreślanka – znajdź słowa=A1===
rozne=rozne_odkrywanka=41=odkrywanie.png=Odkryj obrazek=A1===
rozne=rozne_krzyzowka=42=rozne.png=Krzyżówka=A1===
