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
