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

