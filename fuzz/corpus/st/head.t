* Lumora – æwiczenia do historyjek. Rekord to trzy wiersze:
* 1) numer#nagranie (F_ to film)#dŸwiêk pomocy#polecenie#tytu³#
* 2) treœæ æwiczenia: kod i # (trzy znaki), a po nich pytania, wyrazy albo nazwa pliku
* 3) opis rekordu
* Wiersze zaczynaj¹ce siê od gwiazdki to komentarze.

* ------------------------------------------------------ czas_wolny
11#roz_czas_wolny#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#Lucy's Saturday#
35#What does Lucy play in the morning?=T_Tennis=Football=Chess#Who is Mr Brown?=Lucy's brother=T_Lucy's guitar teacher=Kate's father#How many songs can Lucy play now?=Two=T_Three=Five#What film do Lucy and Sam watch at the cinema?=A film about a cat=A film about a horse=T_A film about a dog#What does Lucy do at ten o'clock?=She watches TV.=T_She reads a book in bed.=She plays a board game.#
Sobota Lucy – pytania wyboru
12#roz_czas_wolny#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#Lucy's Saturday#
36#2#5#People#Things#Kate*1#Mr Brown*1#Sam*1#teacher*1#guitar*2#film*2#popcorn*2#board game*2#book*2#
Sobota Lucy – ludzie i rzeczy
13#roz_czas_wolny#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#Lucy's Saturday#
37#czas_wolny
Sobota Lucy – tekst z lukami
14#roz_czas_wolny#definicje.wav#Dopasuj s³owa do definicji.#Lucy's Saturday#
38#guitar*a musical instrument with six strings#cinema*a place where you watch films on a big screen#popcorn*a snack made from corn; people often eat it at the cinema#tired*how you feel when you need to sleep or rest#board game*a game that you play on a table with a board, for example chess#
Sobota Lucy – definicje
15#roz_czas_wolny#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#Lucy's Saturday#
