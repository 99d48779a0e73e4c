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
