[Lumora – kurs języka angielskiego: ustawienia ekranów i teksty]
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
2=tytul=Lumora – kurs języka angielskiego
3=koniec_pytanie=Czy na pewno chcesz zakończyć naukę?
4=nowy_imie=Imię:
5=najlepsi_tytul=Lista najlepszych:
6=nagranie_krotkie=Nagranie jest za krótkie. Przytrzymaj przycisk mikrofonu, powiedz słowo i dopiero wtedy puść przycisk.
7=drukuj_pytanie=Czy wydrukować listę słówek z obrazkami?
8=powitanie_1=<b>Witaj w kursie Lumora!</b>
9=powitanie_2=Na mapie tematów w menu głównym wybierz temat, a potem lekcję.
10=powitanie_3=Każde ćwiczenie zaczyna się od polecenia – posłuchaj go uważnie.
11=powitanie_4=Za ćwiczenia zdobywasz punkty. Najlepsze wyniki zobaczysz pod pucharem w menu.
12=powitanie_5=Powodzenia!
13=temat_pomoc=<b>Jak pracować z tematem?</b> @ Lekcje są podzielone na cztery części: <b>Vocabulary</b> (słówka), <b>Sentences</b> (zdania), <b>Story</b> (historyjka) i <b>Various</b> (gry). @ Wskaż myszą ikonkę, a pod listą zobaczysz, jakie to ćwiczenie. Kliknij ikonkę, aby je zacząć. Ćwiczenia, które już zrobisz, mają ikonkę z zaznaczeniem. @ Przyciski w ćwiczeniach: @ [iko_pomoc] odtwarza polecenie jeszcze raz, @ [iko_glosnik] odtwarza nagranie albo film historyjki. @ Do menu wrócisz przyciskiem w prawym górnym rogu albo klawiszem Esc. @ Najlepiej zacznij od słówek, potem przejdź do zdań, historyjki i gier.
14=o_kursie=<b>Lumora</b> – kurs języka angielskiego z obrazkiem i dźwiękiem. @ Wersja demonstracyjna: dwanaście tematów, a w każdym słówka, zdania, historyjka z ćwiczeniami i trzy gry. @ Obrazki: emoji Noto Color Emoji. Głosy lektorów: syntezator mowy eSpeak NG. @ Miłej nauki!
15=wynik_punkty=Zdobyte punkty:
16=wynik_razem=Suma punktów:
17=opcje_tytul=Zestaw dźwięków:
18=opcje_1=Zestaw 1
19=opcje_2=Zestaw 2
20=opcje_3=Zestaw 3
21=opcje_losowo=Losowo
*** hinty
1=sport=Sport – Sport
2=kuchnia=Kuchnia – The kitchen
3=miejsca=Miejsca – Places
4=zwierzeta=Zwierzęta – Animals
5=praca=Praca – Work
6=dom=Dom – Home
7=czas_wolny=Czas wolny – Free time
8=liczby=Liczby – Numbers
9=czas=Czas – Time
10=podroze=Podróże – Travel
11=czlowiek=Człowiek i otoczenie – People
12=rozne=Różne – Miscellaneous
13=najlepsi=Lista najlepszych
14=prez_pomoc=Posłuchaj polecenia
15=prez_koniec=Zakończ ćwiczenie
16=prez_polecenie=Przeczytaj polecenie
17=prez_drukuj=Wydrukuj listę słówek
18=prez_mikrofon=Przytrzymaj i powiedz słowo – nagrasz swój głos
19=prez_odsluch=Posłuchaj swojego nagrania i lektora
20=prez_odtworz=Posłuchaj słowa jeszcze raz
21=zdania_pomoc=Posłuchaj polecenia
22=zdania_koniec=Zakończ ćwiczenie
23=zdania_tak=Tak, zdanie pasuje do obrazka
24=zdania_nie=Nie, zdanie nie pasuje do obrazka
25=zdania_dalej=Następne zdanie
26=zdania_polecenie=Przeczytaj polecenie
27=zdania_odtworz=Posłuchaj zdania jeszcze raz (Ctrl+W)
28=zdania_sprawdz=Sprawdź
29=login_nowy=Nowy użytkownik
30=login_ok=Zaloguj się
31=login_koniec=Koniec
32=nowy_ok=Zapisz
33=nowy_anuluj=Anuluj
34=pytanie_tak=Tak
35=pytanie_nie=Nie
36=cw_polecenie=Przeczytaj polecenie
37=cw_pomoc=Posłuchaj polecenia
38=cw_jeszcze_raz=Zacznij jeszcze raz
39=cw_sprawdz=Sprawdź odpowiedzi
40=cw_koniec=Zakończ ćwiczenie
41=krzyzowka_pomoc=Posłuchaj polecenia
42=krzyzowka_koniec=Zakończ krzyżówkę
43=krzyzowka_polecenie=Przeczytaj polecenie
44=odkrywanie_pomoc=Posłuchaj polecenia
45=odkrywanie_koniec=Zakończ grę
46=odkrywanie_polecenie=Przeczytaj polecenie
47=odkrywanie_powtorz=Posłuchaj słowa jeszcze raz (Alt+W)
48=odkrywanie_dalej=Następne słowo
49=prez_wszystkie=Posłuchaj wszystkich słówek po kolei
50=temat_polecenie=Jak pracować z tematem?
51=definicje_odpowiedzi=Twoje odpowiedzi:
52=opcje=Opcje – zestaw dźwięków
53=rodzaj_30=Słówka – obrazki i wymowa
54=rodzaj_31=Słówka – posłuchaj i wybierz obrazek
55=rodzaj_32=Słówka – wpisz nazwy obrazków
56=rodzaj_1=Zdania – czy zdanie pasuje do obrazka?
57=rodzaj_2=Zdania – wybierz jeden z dwóch obrazków
58=rodzaj_3=Zdania – wybierz jeden z trzech obrazków
59=rodzaj_4=Zdania – wybierz jeden z czterech obrazków
60=rodzaj_9=Zdania – wpisz brakujące wyrazy
61=rodzaj_41=Gra – odkryj ukryty obrazek
62=rodzaj_42=Gra – krzyżówka obrazkowa
63=rodzaj_35=Historyjka – wybierz właściwą odpowiedź
64=rodzaj_36=Historyjka – przeciągnij wyrazy do tabeli
65=rodzaj_37=Historyjka – wpisz brakujące wyrazy
66=rodzaj_38=Historyjka – dopasuj słowa do definicji
67=rodzaj_39=Historyjka – prawda czy fałsz?
68=zdania_objasnienie=Objaśnienie i tłumaczenie
*** end
