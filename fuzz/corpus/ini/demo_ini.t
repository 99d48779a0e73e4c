[Lumora – kurs jêzyka angielskiego: ustawienia ekranów i teksty]
charset=238

[tematy: folder=lista x=lista y=wyrównanie=ikony od x=kolor listy=opis x=opis y=kolor opisu=]
czas_wolny=368=140=1=170=black=368=478=white=
liczby=44=140=1=170=black=44=478=black=
miejsca=330=140=2=100=black=340=478=white=
dom=368=140=1=170=black=368=478=black=
czas=44=140=1=170=black=44=478=white=
kuchnia=330=140=2=100=black=340=478=black=
praca=368=140=1=170=black=368=478=white=
zwierzeta=44=140=1=170=black=44=478=black=
podroze=330=140=2=100=black=340=478=white=
czlowiek_i_otoczenie=368=140=1=170=black=368=478=black=
sport=44=140=1=170=black=44=478=white=
rozne=330=140=2=100=black=340=478=black=

[teksty: numer=nazwa=tekst]
1=wybor_punkty=Punkty: 
2=tytul=Lumora – kurs jêzyka angielskiego
3=koniec_pytanie=Czy na pewno chcesz zakoñczyæ naukê?
4=nowy_imie=Imiê:
5=najlepsi_tytul=Lista najlepszych:
6=nagranie_krotkie=Nagranie jest za krótkie. Przytrzymaj przycisk mikrofonu, powiedz s³owo i dopiero wtedy puœæ przycisk.
7=drukuj_pytanie=Czy wydrukowaæ listê s³ówek z obrazkami?
8=powitanie_1=<b>Witaj w kursie Lumora!</b>
9=powitanie_2=Na mapie tematów w menu g³ównym wybierz temat, a potem lekcjê.
10=powitanie_3=Ka¿de æwiczenie zaczyna siê od polecenia – pos³uchaj go uwa¿nie.
11=powitanie_4=Za æwiczenia zdobywasz punkty. Najlepsze wyniki zobaczysz pod pucharem w menu.
12=powitanie_5=Powodzenia!
13=temat_pomoc=<b>Jak pracowaæ z tematem?</b> @ Lekcje s¹ podzielone na cztery czêœci: <b>Vocabulary</b> (s³ówka), <b>Sentences</b> (zdania), <b>Story</b> (historyjka) i <b>Various</b> (gry). @ Wska¿ mysz¹ ikonkê, a pod list¹ zobaczysz, jakie to æwiczenie. Kliknij ikonkê, aby je zacz¹æ. Æwiczenia, które ju¿ zrobisz, maj¹ ikonkê z zaznaczeniem. @ Przyciski w æwiczeniach: @ [iko_pomoc] odtwarza polecenie jeszcze raz, @ [iko_glosnik] odtwarza nagranie albo film historyjki. @ Do menu wrócisz przyciskiem w prawym górnym rogu albo klawiszem Esc. @ Najlepiej zacznij od s³ówek, potem przejdŸ do zdañ, historyjki i gier.
14=o_kursie=<b>Lumora</b> – kurs jêzyka angielskiego z obrazkiem i dŸwiêkiem. @ Wersja demonstracyjna: dwanaœcie tematów, a w ka¿dym s³ówka, zdania, historyjka z æwiczeniami i trzy gry. @ Obrazki: emoji Noto Color Emoji. G³osy lektorów: syntezator mowy eSpeak NG. @ Mi³ej nauki!
15=wynik_punkty=Zdobyte punkty:
16=wynik_razem=Suma punktów:
17=opcje_tytul=Zestaw dŸwiêków:
18=opcje_1=Zestaw 1
19=opcje_2=Zestaw 2
20=opcje_3=Zestaw 3
21=opcje_losowo=Losowo
*** hinty
1=sport=Sport – Sport
2=kuchnia=Kuchnia – The kitchen
3=miejsca=Miejsca – Places
4=zwierzeta=Zwierzêta – Animals
5=praca=Praca – Work
6=dom=Dom – Home
7=czas_wolny=Czas wolny – Free time
8=liczby=Liczby – Numbers
9=czas=Czas – Time
10=podroze=Podró¿e – Travel
11=czlowiek=Cz³owiek i otoczenie – People
12=rozne=Ró¿ne – Miscellaneous
13=najlepsi=Lista najlepszych
14=prez_pomoc=Pos³uchaj polecenia
15=prez_koniec=Zakoñcz æwiczenie
16=prez_polecenie=Przeczytaj polecenie
17=prez_drukuj=Wydrukuj listê s³ówek
18=prez_mikrofon=Przytrzymaj i powiedz s³owo – nagrasz swój g³os
19=prez_odsluch=Pos³uchaj swojego nagrania i lektora
20=prez_odtworz=Pos³uchaj s³owa jeszcze raz
21=zdania_pomoc=Pos³uchaj polecenia
22=zdania_koniec=Zakoñcz æwiczenie
23=zdania_tak=Tak, zdanie pasuje do obrazka
24=zdania_nie=Nie, zdanie nie pasuje do obrazka
25=zdania_dalej=Nastêpne zdanie
26=zdania_polecenie=Przeczytaj polecenie
27=zdania_odtworz=Pos³uchaj zdania jeszcze raz (Ctrl+W)
28=zdania_sprawdz=SprawdŸ
29=login_nowy=Nowy u¿ytkownik
30=login_ok=Zaloguj siê
31=login_koniec=Koniec
32=nowy_ok=Zapisz
33=nowy_anuluj=Anuluj
34=pytanie_tak=Tak
35=pytanie_nie=Nie
36=cw_polecenie=Przeczytaj polecenie
37=cw_pomoc=Pos³uchaj polecenia
38=cw_jeszcze_raz=Zacznij jeszcze raz
39=cw_sprawdz=SprawdŸ odpowiedzi
40=cw_koniec=Zakoñcz æwiczenie
41=krzyzowka_pomoc=Pos³uchaj polecenia
42=krzyzowka_koniec=Zakoñcz krzy¿ówkê
43=krzyzowka_polecenie=Przeczytaj polecenie
44=odkrywanie_pomoc=Pos³uchaj polecenia
45=odkrywanie_koniec=Zakoñcz grê
46=odkrywanie_polecenie=Przeczytaj polecenie
47=odkrywanie_powtorz=Pos³uchaj s³owa jeszcze raz (Alt+W)
48=odkrywanie_dalej=Nastêpne s³owo
49=prez_wszystkie=Pos³uchaj wszystkich s³ówek po kolei
50=temat_polecenie=Jak pracowaæ z tematem?
51=definicje_odpowiedzi=Twoje odpowiedzi:
52=opcje=Opcje – zestaw dŸwiêków
53=rodzaj_30=S³ówka – obrazki i wymowa
54=rodzaj_31=S³ówka – pos³uchaj i wybierz obrazek
55=rodzaj_32=S³ówka – wpisz nazwy obrazków
56=rodzaj_1=Zdania – czy zdanie pasuje do obrazka?
57=rodzaj_2=Zdania – wybierz jeden z dwóch obrazków
58=rodzaj_3=Zdania – wybierz jeden z trzech obrazków
59=rodzaj_4=Zdania – wybierz jeden z czterech obrazków
60=rodzaj_9=Zdania – wpisz brakuj¹ce wyrazy
61=rodzaj_41=Gra – odkryj ukryty obrazek
62=rodzaj_42=Gra – krzy¿ówka obrazkowa
63=rodzaj_35=Historyjka – wybierz w³aœciw¹ odpowiedŸ
64=rodzaj_36=Historyjka – przeci¹gnij wyrazy do tabeli
65=rodzaj_37=Historyjka – wpisz brakuj¹ce wyrazy
66=rodzaj_38=Historyjka – dopasuj s³owa do definicji
67=rodzaj_39=Historyjka – prawda czy fa³sz?
68=zdania_objasnienie=Objaœnienie i t³umaczenie
*** end
