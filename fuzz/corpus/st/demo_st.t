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
39# # #T_Lucy plays tennis with Kate.#Lucy has a piano lesson after lunch.#T_Lucy and Sam watch a film about a dog.#Lucy always wins the board game.#T_Lucy reads a book before she falls asleep.#Mr Brown is not a nice teacher.#
Sobota Lucy – prawda czy fa³sz

* ---------------------------------------------------------- liczby
21#roz_liczby#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#At the Market#
35#How much money has Anna got at the start?=Five pounds=T_Ten pounds=Six pounds#How many apples does she buy?=Two=Three=T_Four#How much is the melon?=T_Three pounds=Two pounds=Six pounds#How much is the toy horse?=Five pounds=T_Six pounds=Ten pounds#Who gives Anna one more pound?=The seller=T_Her dad=Her mum#
Na targu – pytania wyboru
22#roz_liczby#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#At the Market#
36#2#7#Numbers#Things at the market#ten*1#four*1#two*1#three*1#five*1#six*1#one*1#apples*2#melon*2#horse*2#money*2#
Na targu – wyrazy w tabeli
23#roz_liczby#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#At the Market#
37#liczby
Na targu – tekst z lukami
24#roz_liczby#definicje.wav#Dopasuj s³owa do definicji.#At the Market#
38#market*a place outside where people buy and sell food and other things#pound*money in Britain; one pound is one hundred pence#melon*a big round fruit; it is green or yellow outside and sweet inside#enough*as much as you need#count*to say numbers one after another to find how many things there are#
Na targu – definicje
25#roz_liczby#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#At the Market#
39# # #T_Anna goes to the market with her dad.#The apples cost three pounds.#T_The melon is big.#The toy horse costs five pounds.#T_Dad gives Anna one pound.#At the end Anna has got two pounds.#
Na targu – prawda czy fa³sz

* --------------------------------------------------------- miejsca
31#roz_miejsca#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#Welcome to My Town#
35#Where does Jack live?=In a big city=T_In a small town by the sea=In the mountains#What is on the hill?=A hotel=T_A castle=A church#What is opposite the school?=T_A post office and a shop=A museum and a park=A hospital#Where does Jack's mum work?=In a hotel=In a shop=T_In the hospital#How do they get to the island?=By boat=T_They walk across the bridge.=By train#
Moje miasteczko – pytania wyboru
32#roz_miejsca#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#Welcome to My Town#
36#2#6#In the town#By the sea#castle*1#museum*1#school*1#post office*1#shop*1#hospital*1#beach*2#island*2#bridge*2#hotel*2#
Moje miasteczko – wyrazy w tabeli
33#roz_miejsca#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#Welcome to My Town#
37#miejsca
Moje miasteczko – tekst z lukami
34#roz_miejsca#definicje.wav#Dopasuj s³owa do definicji.#Welcome to My Town#
38#castle*a big, old, strong building where kings and queens lived#museum*a building where you can see old and interesting things#bridge*it goes over a river or the sea, so people can get to the other side#island*a piece of land with water all around it#hospital*a place where doctors and nurses help ill people#
Moje miasteczko – definicje
35#roz_miejsca#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#Welcome to My Town#
39# # #T_Jack lives in a small town.#The castle is next to the school.#T_In the museum there are old coins.#Jack goes to school by bus.#T_Jack's dad works in a hotel.#On Sundays the family goes to the mountains.#
Moje miasteczko – prawda czy fa³sz

* ------------------------------------------------------------- dom
41#roz_dom#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#A New Flat#
35#Where is the new flat?=On the first floor=T_On the fifth floor=In a small house#What colour is the sofa?=Red=Green=T_Blue#What can Mia see from her window?=T_The park=The sea=A school#What has Leo got in his room?=A desk=T_A bunk bed=A television#What is on the balcony?=A table=T_Many plants=A bike#
Nowe mieszkanie – pytania wyboru
42#roz_dom#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#A New Flat#
36#2#6#Rooms#Things#living room*1#kitchen*1#bedroom*1#bathroom*1#balcony*1#sofa*2#television*2#fridge*2#window*2#shower*2#plants*2#
Nowe mieszkanie – wyrazy w tabeli
43#roz_dom#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#A New Flat#
37#dom
Nowe mieszkanie – tekst z lukami
44#roz_dom#definicje.wav#Dopasuj s³owa do definicji.#A New Flat#
38#flat*a home with a few rooms on one floor of a building#balcony*a small place outside the window of a flat, with a wall or a rail around it#fridge*a cold box in the kitchen where we keep food#bunk bed*two beds, one on top of the other#living room*the room where the family sits, talks and watches TV#
Nowe mieszkanie – definicje
45#roz_dom#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#A New Flat#
39# # #T_The flat is in a tall building.#The kitchen is very big.#T_Mia and Leo have got their own rooms.#Leo's room has got a big window.#T_The bathroom has got a shower and a bath.#The flat has got a big garden.#
Nowe mieszkanie – prawda czy fa³sz

* ------------------------------------------------------------ czas
51#roz_czas#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#Ben Is Late#
35#When does Ben's alarm clock ring?=At six o'clock=T_At seven o'clock=At eight o'clock#Why does Ben sleep again?=T_He is very tired.=He is ill.=It is dark.#What does Ben take for breakfast?=A sandwich=T_An apple=Some milk#What time is it at the bus stop?=T_Ten past eight=Half past seven=Nine o'clock#What day is it?=Monday=Friday=T_Saturday#
Ben siê spóŸnia – pytania wyboru
52#roz_czas#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#Ben Is Late#
36#2#5#Times#Things#seven o'clock*1#half past seven*1#ten past eight*1#alarm clock*2#watch*2#apple*2#bus*2#shower*2#
Ben siê spóŸnia – wyrazy w tabeli
53#roz_czas#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#Ben Is Late#
37#czas
Ben siê spóŸnia – tekst z lukami
54#roz_czas#definicje.wav#Dopasuj s³owa do definicji.#Ben Is Late#
38#alarm clock*a clock that rings to wake you up#watch*a small clock that you wear on your arm#late*after the right time#quick*fast; it does not take much time#Saturday*the day after Friday#
Ben siê spóŸnia – definicje
55#roz_czas#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#Ben Is Late#
39# # #T_Ben's alarm clock rings at seven o'clock.#Ben gets up at once.#T_Ben's mum opens the door at half past seven.#Ben has a big breakfast before he runs to the bus.#T_The bus is not at the bus stop.#Ben has got school on Saturday.#
Ben siê spóŸnia – prawda czy fa³sz

* --------------------------------------------------------- kuchnia
61#roz_kuchnia#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#Pancakes for Mum#
35#What day is it?=T_Sunday=Saturday=Monday#What do Tom and Ann want to make?=Tea=T_Pancakes=A birthday cake#Who helps them with the frying pan?=Mum=T_Dad=Grandma#What does Ann put on the pancakes?=T_Strawberries and honey=Cheese and tomatoes=Butter and salt#When do they take the breakfast to Mum?=At eight o'clock=T_At nine o'clock=At ten o'clock#
Naleœniki dla mamy – pytania wyboru
62#roz_kuchnia#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#Pancakes for Mum#
36#2#6#Food and drink#Kitchen things#eggs*1#milk*1#flour*1#strawberries*1#honey*1#tea*1#bowl*2#spoon*2#frying pan*2#cup*2#
Naleœniki dla mamy – jedzenie czy naczynia?
63#roz_kuchnia#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#Pancakes for Mum#
37#kuchnia
Naleœniki dla mamy – tekst z lukami
64#roz_kuchnia#definicje.wav#Dopasuj s³owa do definicji.#Pancakes for Mum#
38#pancake*a thin, flat, round cake that you cook in a frying pan#bowl*a deep, round dish for soup or for mixing food#flour*a white powder made from wheat; we use it to make bread and cakes#honey*a sweet, sticky food that bees make#bedroom*the room where you sleep#
Naleœniki dla mamy – definicje
65#roz_kuchnia#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#Pancakes for Mum#
39# # #T_Tom and Ann make pancakes on Sunday morning.#Ann takes the eggs and the milk.#T_Dad helps them with the hot frying pan.#The first pancake is perfect.#T_Tom makes a cup of tea.#Mum eats the pancakes in the kitchen.#
Naleœniki dla mamy – prawda czy fa³sz

* ----------------------------------------------------------- praca
71#roz_praca#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#A Day at the Fire Station#
35#Where does Sam work?=At a hospital=T_At the fire station=In a shop#What does Sam check first?=T_The fire engine=The telephone=His car#When does the telephone ring?=At eight o'clock=T_At eleven o'clock=At five o'clock#Where is the fire?=In a school=In a house=T_In a small shop#What does Sam do in the afternoon?=He sleeps.=T_He visits a school.=He cleans the fire engine.#
Dzieñ w remizie – pytania wyboru
72#roz_praca#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#A Day at the Fire Station#
36#2#5#People#Things#firefighter*1#shop owner*1#children*1#fire engine*2#hoses*2#coffee*2#telephone*2#helmets*2#
Dzieñ w remizie – wyrazy w tabeli
73#roz_praca#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#A Day at the Fire Station#
37#praca
Dzieñ w remizie – tekst z lukami
74#roz_praca#definicje.wav#Dopasuj s³owa do definicji.#A Day at the Fire Station#
38#firefighter*a person whose job is to stop fires#fire engine*a big red vehicle that takes firefighters to a fire#helmet*a hard hat that keeps your head safe#hose*a long tube for water#job*the work that you do to get money#
Dzieñ w remizie – definicje
75#roz_praca#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#A Day at the Fire Station#
39# # #T_Sam is a firefighter.#Sam starts work at nine o'clock.#T_The firefighters drink coffee together.#The fire is in a big school.#T_Nobody is hurt.#The shop owner is angry.#
Dzieñ w remizie – prawda czy fa³sz

* ------------------------------------------------------- zwierzeta
81#roz_zwierzeta#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#Max on the Farm#
35#What colour is Max?=Black=T_Brown=White#Which animals are not happy to see Max?=The cows=T_The hens=The horses#Who is Bella?=A cat=T_An old horse=A cow#What is lost one day?=A hen=T_A little lamb=The farmer's dog#Where does Max find the lamb?=In the field=T_Under a big tree in the forest=In the river#
Max na farmie – pytania wyboru
82#roz_zwierzeta#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#Max on the Farm#
36#2#5#Animals#Places#dog*1#cows*1#hens*1#horse*1#lamb*1#farm*2#field*2#forest*2#tree*2#
Max na farmie – wyrazy w tabeli
83#roz_zwierzeta#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#Max on the Farm#
37#zwierzeta
Max na farmie – tekst z lukami
84#roz_zwierzeta#definicje.wav#Dopasuj s³owa do definicji.#Max on the Farm#
38#farm*land and buildings where people grow food and keep animals#lamb*a young sheep#bark*to make the sound that a dog makes#hero*a person or an animal that does something very brave#forest*a big area with a lot of trees#
Max na farmie – definicje
85#roz_zwierzeta#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#Max on the Farm#
39# # #T_Max lives on a farm.#Max wakes up late every morning.#T_Max and Bella are good friends.#The farmer finds the lamb.#T_The lamb is under a big tree.#Max is a big black dog.#
Max na farmie – prawda czy fa³sz

* --------------------------------------------------------- podroze
91#F_roz_podroze#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#A Trip to the Seaside#
35#How do Kate and her dad travel to the seaside?=By car=T_By train=By plane#What time does the train leave?=At eight o'clock=T_At nine o'clock=At ten o'clock#What does Kate see from the window?=T_Fields, cows and a river=Mountains and snow=Ships and the sea#How do they get to the hotel?=On foot=By bus=T_By taxi#What do they eat in the evening?=Pizza=T_Fish and chips=Ice cream#
Wycieczka nad morze – pytania wyboru
92#F_roz_podroze#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#A Trip to the Seaside#
36#2#5#Transport#Places#train*1#taxi*1#boats*1#station*2#town*2#hotel*2#sea*2#river*2#
Wycieczka nad morze – wyrazy w tabeli
93#F_roz_podroze#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#A Trip to the Seaside#
37#podroze
Wycieczka nad morze – tekst z lukami
94#F_roz_podroze#definicje.wav#Dopasuj s³owa do definicji.#A Trip to the Seaside#
38#seaside*a place by the sea where people go on holiday#ticket*a small piece of paper that you buy to travel on a bus or a train#suitcase*a big bag with a handle that you take when you travel#arrive*to get to a place at the end of a journey#sandcastle*a small castle that children build on the beach#
Wycieczka nad morze – definicje
95#F_roz_podroze#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#A Trip to the Seaside#
39# # #T_Kate travels with her dad.#They go to the mountains.#T_They buy two tickets at the station.#The journey takes five hours.#T_Kate builds a sandcastle.#They go to the hotel by bus.#
Wycieczka nad morze – prawda czy fa³sz

* -------------------------------------------- czlowiek_i_otoczenie
101#roz_czlowiek_i_otoczenie#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#Meet My Family#
35#How old is Emma?=Eight=T_Ten=Twelve#What is Emma's dad's job?=A nurse=A teacher=T_A bus driver#What colour is Helen's hair?=Black=T_Red=Blond#How old is Oscar?=T_Four=Five=Ten#What does Grandpa do?=He makes cakes.=T_He tells funny stories.=He drives a bus.#
Poznaj moj¹ rodzinê – pytania wyboru
102#roz_czlowiek_i_otoczenie#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#Meet My Family#
36#2#5#People#Hair and eyes#dad*1#mum*1#brother*1#grandma*1#grandpa*1#black hair*2#red hair*2#green eyes*2#blue eyes*2#
Poznaj moj¹ rodzinê – wyrazy w tabeli
103#roz_czlowiek_i_otoczenie#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#Meet My Family#
37#czlowiek_i_otoczenie
Poznaj moj¹ rodzinê – tekst z lukami
104#roz_czlowiek_i_otoczenie#definicje.wav#Dopasuj s³owa do definicji.#Meet My Family#
38#grandparents*your grandmother and your grandfather#nurse*a person who looks after ill people in a hospital#teddy bear*a soft toy bear#tall*bigger than most people from the feet to the head#together*with each other, not alone#
Poznaj moj¹ rodzinê – definicje
105#roz_czlowiek_i_otoczenie#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#Meet My Family#
39# # #T_Emma is ten years old.#Emma's dad has got long hair.#T_Emma's mum is a nurse.#Oscar has got green eyes.#T_Emma's grandparents live near her.#The family has dinner together on Mondays.#
Poznaj moj¹ rodzinê – prawda czy fa³sz

* ----------------------------------------------------------- sport
111#roz_sport#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#The Big Match#
35#What is the name of Jake's team?=The Red Tigers=T_The Blue Lions=The Green Eagles#What time does the match start?=At two o'clock=T_At three o'clock=At four o'clock#Who scores the first goal for the Blue Lions?=Jake=T_Ollie=The goalkeeper#What is the final score?=One all=T_Two to one=Three to one#What does Jake get?=A silver medal=T_A gold medal=A new ball#
Wielki mecz – pytania wyboru
112#roz_sport#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#The Big Match#
36#2#4#People#Things#Jake*1#Ollie*1#fans*1#team*1#ball*2#goal*2#medal*2#cup*2#
Wielki mecz – wyrazy w tabeli
113#roz_sport#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#The Big Match#
37#sport
Wielki mecz – tekst z lukami
114#roz_sport#definicje.wav#Dopasuj s³owa do definicji.#The Big Match#
38#final*the last and most important match of a competition#score*to get a goal or a point#fan*a person who loves a team and goes to watch it#shout*to say something very loudly#medal*a round piece of metal that you get when you win#
Wielki mecz – definicje
115#roz_sport#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#The Big Match#
39# # #T_Jake plays football.#The Red Tigers score two goals.#T_Ollie scores a goal.#Jake gives up when the other team scores.#T_The Blue Lions win the match.#Jake gets a silver medal.#
Wielki mecz – prawda czy fa³sz

* ----------------------------------------------------------- rozne
121#roz_rozne#wybor.wav#Pos³uchaj historyjki i wybierz w³aœciwe odpowiedzi.#A Rainy Birthday#
35#Why is Mia sad?=T_It is raining.=She is ill.=She has got no presents.#When do her friends come?=At two o'clock=T_At four o'clock=At six o'clock#Where do they have the picnic?=In the garden=In the park=T_On the living room floor#What do they drink?=Tea=T_Lemonade=Milk#What do they see at six o'clock?=A plane=T_A rainbow=Snow#
Deszczowe urodziny – pytania wyboru
122#roz_rozne#tabela.wav#Pos³uchaj historyjki i przeci¹gnij wyrazy do tabeli.#A Rainy Birthday#
36#2#5#Weather#Party#rain*1#sun*1#rainbow*1#presents*2#balloons*2#cake*2#lemonade*2#games*2#
Deszczowe urodziny – wyrazy w tabeli
123#roz_rozne#wpisz.wav#Pos³uchaj historyjki i wpisz brakuj¹ce wyrazy.#A Rainy Birthday#
37#rozne
Deszczowe urodziny – tekst z lukami
124#roz_rozne#definicje.wav#Dopasuj s³owa do definicji.#A Rainy Birthday#
38#rainbow*a curve of seven colours in the sky after rain#present*something that you give to somebody on their birthday#balloon*a small coloured bag of rubber that you fill with air#idea*a new plan or thought#picnic*a meal that you eat sitting on the ground#
Deszczowe urodziny – definicje
125#roz_rozne#prawda.wav#Pos³uchaj historyjki i zdecyduj: prawda czy fa³sz?#A Rainy Birthday#
39# # #T_It is Mia's birthday.#It is sunny in the morning.#T_Mia's friends bring presents and balloons.#They have the picnic in the garden.#T_The rain stops at six o'clock.#Mia does not like her birthday.#
Deszczowe urodziny – prawda czy fa³sz
