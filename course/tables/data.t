// Lumora – słówka i zdania.
// temat=grupa=angielski=(pole 4)=polski=obrazek=(pole 7)=dźwięk=drugi dźwięk=kod lekcji=
// (pole 11)=obrazki do wyboru (a.png/b.png)=(pole 13)=objaśnienie=objaśnienie drugiego zdania=
// W zdaniach luki do uzupełniania są w nawiasach < >.

// ------------------------------------------------------ czas_wolny
czas_wolny=wolny_slowka=book==książka=book.png=0=book.wav==30=0==0===
czas_wolny=wolny_slowka=guitar==gitara=guitar.png=0=guitar.wav==30=0==0===
czas_wolny=wolny_slowka=piano==pianino=piano.png=0=piano.wav==30=0==0===
czas_wolny=wolny_slowka=drum==bęben=drum.png=0=drum.wav==30=0==0===
czas_wolny=wolny_slowka=camera==aparat fotograficzny=camera.png=0=camera.wav==30=0==0===
czas_wolny=wolny_slowka=paintbrush==pędzel=paintbrush.png=0=paintbrush.wav==30=0==0===
czas_wolny=wolny_slowka=chess==szachy=chess.png=0=chess.wav==30=0==0===
czas_wolny=wolny_slowka=puzzle==układanka=puzzle.png=0=puzzle.wav==30=0==0===
czas_wolny=wolny_slowka=video game==gra wideo=video_game.png=0=video_game.wav==30=0==0===
czas_wolny=wolny_slowka=television==telewizor=television.png=0=television.wav==30=0==0===
czas_wolny=wolny_slowka=film==film=film.png=0=film.wav==30=0==0===
czas_wolny=wolny_slowka=kite==latawiec=kite.png=0=kite.wav==30=0==0===
czas_wolny=wolny_slowka=tent==namiot=tent.png=0=tent.wav==30=0==0===
czas_wolny=wolny_slowka=fishing rod==wędka=fishing_rod.png=0=fishing_rod.wav==30=0==0===
czas_wolny=wolny_slowka=headphones==słuchawki=headphones.png=0=headphones.wav==30=0==0===
czas_wolny=wolny_slowka=dice==kostki do gry=dice.png=0=dice.wav==30=0==0===
czas_wolny=wolny_zdania1=The boy is reading a <book>.==Chłopiec czyta książkę.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Chłopiec czyta książkę. is reading – czyta (teraz).=Chłopiec ogląda telewizję. Na obrazku chłopiec czyta książkę.=
czas_wolny=wolny_zdania1=She is playing the <guitar>.==Ona gra na gitarze.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Ona gra na gitarze. Mówimy „play the guitar” – przed instrumentem stawiamy „the”.=Ona gra na pianinie. Na obrazku jest gitara, a nie pianino.=
czas_wolny=wolny_zdania1=There is a <kite> in the sky.==Na niebie jest latawiec.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Na niebie jest latawiec. sky – niebo.=Na niebie jest samolot. Na obrazku jest latawiec.=
czas_wolny=wolny_zdania1=Two friends are playing <chess>.==Dwoje przyjaciół gra w szachy.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Dwoje przyjaciół gra w szachy. play chess – grać w szachy (bez „the”).=Dwoje przyjaciół gra w karty. Na obrazku grają w szachy.=
czas_wolny=wolny_zdania1=The tent is under a <tree>.==Namiot stoi pod drzewem.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Namiot stoi pod drzewem. under – pod, tree – drzewo.=Namiot stoi na plaży. Na obrazku namiot stoi w parku pod drzewem.=
czas_wolny=wolny_zdania1=Grandpa likes <fishing>.==Dziadek lubi łowić ryby.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Dziadek lubi wędkować. Po „like” czynność ma końcówkę -ing: fishing, swimming.=Dziadek lubi pływać. Na obrazku dziadek łowi ryby.=
czas_wolny=wolny_zdania1=The children are watching <television>.==Dzieci oglądają telewizję.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Dzieci oglądają telewizję. watch – oglądać.=Dzieci grają w piłkę. Na obrazku dzieci oglądają telewizję.=
czas_wolny=wolny_zdania1=My sister is listening to <music>.==Moja siostra słucha muzyki.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Moja siostra słucha muzyki. listen to – słuchać (czegoś).=Moja siostra czyta książkę. Na obrazku siostra słucha muzyki.=
czas_wolny=wolny_zdania2=I like <painting> pictures.==Lubię malować obrazy.=z2_01.png=0=z2_01.wav==2=0==0=Lubię malować obrazy. paint – malować, picture – obraz.=
czas_wolny=wolny_zdania2=He is taking a <photo>.==On robi zdjęcie.=z2_02.png=0=z2_02.wav==2=0==0=On robi zdjęcie. take a photo – zrobić zdjęcie.=
czas_wolny=wolny_zdania2=We are doing a <puzzle>.==Układamy puzzle.=z2_03.png=0=z2_03.wav==2=0==0=Układamy puzzle. do a puzzle – układać układankę.=
czas_wolny=wolny_zdania2=They are playing a <video> game.==Oni grają w grę wideo.=z2_04.png=0=z2_04.wav==2=0==0=Oni grają w grę wideo. video game – gra wideo.=
czas_wolny=wolny_zdania2=She can play the <piano>.==Ona umie grać na pianinie.=z2_05.png=0=z2_05.wav==2=0=z2_05a.png=0=Ona umie grać na pianinie. can – umieć, potrafić.=
czas_wolny=wolny_zdania2=Let's fly a <kite>!==Puśćmy latawiec!=z2_06.png=0=z2_06.wav==2=0==0=Puśćmy latawiec! Let's – zróbmy coś razem.=
czas_wolny=wolny_zdania2=My brother plays the <drums>.==Mój brat gra na perkusji.=z2_07.png=0=z2_07.wav==2=0=z2_07a.png=0=Mój brat gra na perkusji. drums – perkusja, bębny.=
czas_wolny=wolny_zdania2=We go <camping> in summer.==Latem jeździmy pod namiot.=z2_08.png=0=z2_08.wav==2=0==0=Latem jeździmy pod namiot. go camping – biwakować.=
czas_wolny=wolny_zdania3=This is my new <guitar>.==To moja nowa gitara.=z3_01.png=0=z3_01.wav==3=0==0=To moja nowa gitara. new – nowy.=
czas_wolny=wolny_zdania3=I can hear a <trumpet>.==Słyszę trąbkę.=z3_02.png=0=z3_02.wav==3=0==0=Słyszę trąbkę. hear – słyszeć.=
czas_wolny=wolny_zdania3=The <violin> is brown.==Skrzypce są brązowe.=z3_03.png=0=z3_03.wav==3=0==0=Skrzypce są brązowe. violin – skrzypce (po angielsku to jeden instrument: the violin is).=
czas_wolny=wolny_zdania3=There are two <dice> on the table.==Na stole są dwie kostki do gry.=z3_04.png=0=z3_04.wav==3=0=z3_04a.png/z3_04b.png=0=Na stole są dwie kostki do gry. one die – two dice.=
czas_wolny=wolny_zdania3=We are eating <popcorn> at the cinema.==Jemy popcorn w kinie.=z3_05.png=0=z3_05.wav==3=0==0=Jemy popcorn w kinie. cinema – kino.=
czas_wolny=wolny_zdania3=Let's go to the <theatre>.==Chodźmy do teatru.=z3_06.png=0=z3_06.wav==3=0==0=Chodźmy do teatru. theatre – teatr.=
czas_wolny=wolny_zdania3=He is singing into a <microphone>.==On śpiewa do mikrofonu.=z3_07.png=0=z3_07.wav==3=0==0=On śpiewa do mikrofonu. sing – śpiewać.=
czas_wolny=wolny_zdania3=Look at my new <headphones>.==Popatrz na moje nowe słuchawki.=z3_08.png=0=z3_08.wav==3=0==0=Popatrz na moje nowe słuchawki. look at – patrzeć na.=
czas_wolny=wolny_zdania4=On Saturday I go <swimming>.==W sobotę chodzę na basen.=z4_01.png=0=z4_01.wav==4=0=z4_01a.png/z4_01b.png/z4_01c.png=0=W sobotę chodzę pływać. go swimming – iść popływać.=
czas_wolny=wolny_zdania4=On Sunday we go to the <zoo>.==W niedzielę idziemy do zoo.=z4_02.png=0=z4_02.wav==4=0==0=W niedzielę idziemy do zoo. Sunday – niedziela.=
czas_wolny=wolny_zdania4=I ride my <bike> in the park.==Jeżdżę na rowerze w parku.=z4_03.png=0=z4_03.wav==4=0==0=Jeżdżę na rowerze w parku. ride a bike – jeździć na rowerze.=
czas_wolny=wolny_zdania4=My friends and I play <football>.==Gram z przyjaciółmi w piłkę nożną.=z4_04.png=0=z4_04.wav==4=0==0=Gram z przyjaciółmi w piłkę nożną. football – piłka nożna.=
czas_wolny=wolny_zdania4=In the evening we watch <TV>.==Wieczorem oglądamy telewizję.=z4_05.png=0=z4_05.wav==4=0=z4_05a.png/z4_05b.png/z4_05c.png=0=Wieczorem oglądamy telewizję. TV – skrót od television.=
czas_wolny=wolny_zdania4=I <sleep> late on Sunday.==W niedzielę długo śpię.=z4_06.png=0=z4_06.wav==4=0==0=W niedzielę śpię długo. late – późno.=
czas_wolny=wolny_zdania4=Mum is reading a <newspaper>.==Mama czyta gazetę.=z4_07.png=0=z4_07.wav==4=0==0=Mama czyta gazetę. newspaper – gazeta.=
czas_wolny=wolny_zdania4=We have a <picnic> in the park.==Mamy piknik w parku.=z4_08.png=0=z4_08.wav==4=0==0=Mamy piknik w parku. picnic – piknik.=
czas_wolny=wolny_zdania4=My sister goes <shopping> on Saturday.==Moja siostra chodzi na zakupy w sobotę.=z4_09.png=0=z4_09.wav==4=0==0=Moja siostra chodzi na zakupy w sobotę. go shopping – iść na zakupy.=
czas_wolny=wolny_zdania4=We go to a <concert> on Friday.==W piątek idziemy na koncert.=z4_10.png=0=z4_10.wav==4=0==0=W piątek idziemy na koncert. Friday – piątek.=

// ---------------------------------------------------------- liczby
liczby=liczby_slowka=zero==zero=zero.png=0=zero.wav==30=0==0===
liczby=liczby_slowka=one==jeden=one.png=0=one.wav==30=0==0===
liczby=liczby_slowka=two==dwa=two.png=0=two.wav==30=0==0===
liczby=liczby_slowka=three==trzy=three.png=0=three.wav==30=0==0===
liczby=liczby_slowka=four==cztery=four.png=0=four.wav==30=0==0===
liczby=liczby_slowka=five==pięć=five.png=0=five.wav==30=0==0===
liczby=liczby_slowka=six==sześć=six.png=0=six.wav==30=0==0===
liczby=liczby_slowka=seven==siedem=seven.png=0=seven.wav==30=0==0===
liczby=liczby_slowka=eight==osiem=eight.png=0=eight.wav==30=0==0===
liczby=liczby_slowka=nine==dziewięć=nine.png=0=nine.wav==30=0==0===
liczby=liczby_slowka=ten==dziesięć=ten.png=0=ten.wav==30=0==0===
liczby=liczby_slowka=eleven==jedenaście=eleven.png=0=eleven.wav==30=0==0===
liczby=liczby_slowka=twelve==dwanaście=twelve.png=0=twelve.wav==30=0==0===
liczby=liczby_slowka=twenty==dwadzieścia=twenty.png=0=twenty.wav==30=0==0===
liczby=liczby_slowka=fifty==pięćdziesiąt=fifty.png=0=fifty.wav==30=0==0===
liczby=liczby_slowka=hundred==sto=hundred.png=0=hundred.wav==30=0==0===
liczby=liczby_zdania1=There are <three> cats.==Są trzy koty.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Są trzy koty. three – trzy; cat – cats.=Są cztery koty. Policz jeszcze raz: koty są trzy.=
liczby=liczby_zdania1=I can see two <birds>.==Widzę dwa ptaki.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Widzę dwa ptaki. I can see – widzę.=Widzę dwa samoloty. Na obrazku są ptaki, nie samoloty.=
liczby=liczby_zdania1=There are <five> apples on the table.==Na stole jest pięć jabłek.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Na stole jest pięć jabłek. five – pięć.=Na stole jest sześć jabłek. Jabłek jest pięć.=
liczby=liczby_zdania1=This bus is number <ten>.==To autobus numer dziesięć.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=To autobus numer dziesięć. number – numer.=To autobus numer dwanaście. Na autobusie jest liczba dziesięć.=
liczby=liczby_zdania1=There is <one> big star in the sky.==Na niebie jest jedna duża gwiazda.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Na niebie jest jedna duża gwiazda. one – jeden, jedna.=Na niebie jest siedem gwiazd. Na obrazku jest tylko jedna gwiazda.=
liczby=liczby_zdania1=I have got <four> pencils.==Mam cztery ołówki.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Mam cztery ołówki. pencil – ołówek.=Mam cztery książki. Na obrazku są ołówki.=
liczby=liczby_zdania1=There are <six> eggs on the table.==Na stole jest sześć jajek.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Na stole jest sześć jajek. six – sześć.=Na stole są dwa jajka. Jajek jest sześć.=
liczby=liczby_zdania1=It is <eight> o'clock.==Jest godzina ósma.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Jest ósma. o'clock – pełna godzina.=Jest trzecia. Zegar pokazuje ósmą.=
liczby=liczby_zdania2=My brother is <seven> years old.==Mój brat ma siedem lat.=z2_01.png=0=z2_01.wav==2=0=z2_01a.png=0=Mój brat ma siedem lat. years old – lat (o wieku).==
liczby=liczby_zdania2=The number on the door is <eleven>.==Na drzwiach jest numer jedenaście.=z2_02.png=0=z2_02.wav==2=0==0=Numer na drzwiach to jedenaście. door – drzwi.==
liczby=liczby_zdania2=Twenty plus <twenty> is forty.==Dwadzieścia dodać dwadzieścia to czterdzieści.=z2_03.png=0=z2_03.wav==2=0==0=Dwadzieścia dodać dwadzieścia to czterdzieści. plus – dodać.==
liczby=liczby_zdania2=My house number is <fifteen>.==Mój dom ma numer piętnaście.=z2_04.png=0=z2_04.wav==2=0=z2_04a.png=0=Mój dom ma numer piętnaście. fifteen – piętnaście.==
liczby=liczby_zdania2=There are <twenty> children in my class.==W mojej klasie jest dwadzieścioro dzieci.=z2_05.png=0=z2_05.wav==2=0==0=W mojej klasie jest dwadzieścioro dzieci. class – klasa.==
liczby=liczby_zdania2=The book costs <nine> pounds.==Książka kosztuje dziewięć funtów.=z2_06.png=0=z2_06.wav==2=0==0=Książka kosztuje dziewięć funtów. cost – kosztować.==
liczby=liczby_zdania2=Ten minus <two> is eight.==Dziesięć odjąć dwa to osiem.=z2_07.png=0=z2_07.wav==2=0==0=Dziesięć odjąć dwa to osiem. minus – odjąć.==
liczby=liczby_zdania2=We need <thirteen> chairs.==Potrzebujemy trzynastu krzeseł.=z2_08.png=0=z2_08.wav==2=0==0=Potrzebujemy trzynastu krzeseł. thirteen – trzynaście.==
liczby=liczby_zdania3=The ice cream costs <two> pounds.==Lody kosztują dwa funty.=z3_01.png=0=z3_01.wav==3=0==0=Lody kosztują dwa funty. ice cream – lody.==
liczby=liczby_zdania3=This T-shirt is <ten> pounds.==Ta koszulka kosztuje dziesięć funtów.=z3_02.png=0=z3_02.wav==3=0=z3_02a.png/z3_02b.png=0=Ta koszulka kosztuje dziesięć funtów.==
liczby=liczby_zdania3=The ball costs <five> pounds.==Piłka kosztuje pięć funtów.=z3_03.png=0=z3_03.wav==3=0==0=Piłka kosztuje pięć funtów. ball – piłka.==
liczby=liczby_zdania3=I have got <three> coins.==Mam trzy monety.=z3_04.png=0=z3_04.wav==3=0=z3_04a.png/z3_04b.png=0=Mam trzy monety. coin – moneta.==
liczby=liczby_zdania3=The apples cost <one> pound.==Jabłka kosztują jednego funta.=z3_05.png=0=z3_05.wav==3=0==0=Jabłka kosztują funta. one pound – jeden funt.==
liczby=liczby_zdania3=The tickets are <twenty> pounds.==Bilety kosztują dwadzieścia funtów.=z3_06.png=0=z3_06.wav==3=0==0=Bilety kosztują dwadzieścia funtów. ticket – bilet.==
liczby=liczby_zdania3=The book is <eight> pounds.==Książka kosztuje osiem funtów.=z3_07.png=0=z3_07.wav==3=0==0=Książka kosztuje osiem funtów. eight – osiem.==
liczby=liczby_zdania3=Here is <fifty> pounds.==Proszę, oto pięćdziesiąt funtów.=z3_08.png=0=z3_08.wav==3=0==0=Proszę, oto pięćdziesiąt funtów. Here is – oto.==
liczby=liczby_zdania4=The player has got number <nine>.==Zawodnik ma numer dziewięć.=z4_01.png=0=z4_01.wav==4=0==0=Zawodnik ma numer dziewięć. player – zawodnik.==
liczby=liczby_zdania4=There are <seven> days in a week.==Tydzień ma siedem dni.=z4_02.png=0=z4_02.wav==4=0==0=Tydzień ma siedem dni. week – tydzień.==
liczby=liczby_zdania4=A spider has got <eight> legs.==Pająk ma osiem nóg.=z4_03.png=0=z4_03.wav==4=0=z4_03a.png/z4_03b.png/z4_03c.png=0=Pająk ma osiem nóg. spider – pająk, leg – noga.==
liczby=liczby_zdania4=A dog has got <four> legs.==Pies ma cztery nogi.=z4_04.png=0=z4_04.wav==4=0=z4_04a.png/z4_04b.png/z4_04c.png=0=Pies ma cztery nogi. dog – pies.==
liczby=liczby_zdania4=A bird has got <two> wings.==Ptak ma dwa skrzydła.=z4_05.png=0=z4_05.wav==4=0==0=Ptak ma dwa skrzydła. wing – skrzydło.==
liczby=liczby_zdania4=There are <twelve> months in a year.==Rok ma dwanaście miesięcy.=z4_06.png=0=z4_06.wav==4=0==0=Rok ma dwanaście miesięcy. month – miesiąc, year – rok.==
liczby=liczby_zdania4=There are <five> candles on the cake.==Na torcie jest pięć świeczek.=z4_07.png=0=z4_07.wav==4=0==0=Na torcie jest pięć świeczek. candle – świeczka.==
liczby=liczby_zdania4=We are on floor number <three>.==Jesteśmy na trzecim piętrze.=z4_08.png=0=z4_08.wav==4=0==0=Jesteśmy na trzecim piętrze. floor – piętro.==
liczby=liczby_zdania4=My grandma is <eighty> years old.==Moja babcia ma osiemdziesiąt lat.=z4_09.png=0=z4_09.wav==4=0==0=Moja babcia ma osiemdziesiąt lat. eighty – osiemdziesiąt.==
liczby=liczby_zdania4=Our train leaves from platform <four>.==Nasz pociąg odjeżdża z peronu czwartego.=z4_10.png=0=z4_10.wav==4=0==0=Nasz pociąg odjeżdża z peronu czwartego. platform – peron.==

// --------------------------------------------------------- miejsca
miejsca=miejsca_slowka=school==szkoła=school.png=0=school.wav==30=0==0===
miejsca=miejsca_slowka=hospital==szpital=hospital.png=0=hospital.wav==30=0==0===
miejsca=miejsca_slowka=bank==bank=bank.png=0=bank.wav==30=0==0===
miejsca=miejsca_slowka=post office==poczta=post_office.png=0=post_office.wav==30=0==0===
miejsca=miejsca_slowka=hotel==hotel=hotel.png=0=hotel.wav==30=0==0===
miejsca=miejsca_slowka=church==kościół=church.png=0=church.wav==30=0==0===
miejsca=miejsca_slowka=castle==zamek=castle.png=0=castle.wav==30=0==0===
miejsca=miejsca_slowka=stadium==stadion=stadium.png=0=stadium.wav==30=0==0===
miejsca=miejsca_slowka=factory==fabryka=factory.png=0=factory.wav==30=0==0===
miejsca=miejsca_slowka=shop==sklep=shop.png=0=shop.wav==30=0==0===
miejsca=miejsca_slowka=museum==muzeum=museum.png=0=museum.wav==30=0==0===
miejsca=miejsca_slowka=park==park=park.png=0=park.wav==30=0==0===
miejsca=miejsca_slowka=beach==plaża=beach.png=0=beach.wav==30=0==0===
miejsca=miejsca_slowka=mountain==góra=mountain.png=0=mountain.wav==30=0==0===
miejsca=miejsca_slowka=island==wyspa=island.png=0=island.wav==30=0==0===
miejsca=miejsca_slowka=bridge==most=bridge.png=0=bridge.wav==30=0==0===
miejsca=miejsca_zdania1=The <hospital> is next to the park.==Szpital jest obok parku.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Szpital jest obok parku. next to – obok.=Szkoła jest obok parku. Na obrazku jest szpital.=
miejsca=miejsca_zdania1=There is a castle on the <hill>.==Na wzgórzu stoi zamek.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Na wzgórzu stoi zamek. hill – wzgórze.=Na plaży stoi zamek. Zamek stoi na wzgórzu, nie na plaży.=
miejsca=miejsca_zdania1=The bridge is over the <river>.==Most jest nad rzeką.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Most jest nad rzeką. over – nad.=Most jest nad drogą. Pod mostem jest woda.=
miejsca=miejsca_zdania1=The boat is next to the <island>.==Łódka jest obok wyspy.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Łódka jest obok wyspy. island – wyspa (s nie wymawiamy).=Łódka jest obok mostu. Na obrazku nie ma mostu.=
miejsca=miejsca_zdania1=We are on the <beach>.==Jesteśmy na plaży.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Jesteśmy na plaży. beach – plaża.=Jesteśmy w górach. Na obrazku jest plaża.=
miejsca=miejsca_zdania1=There is a bank opposite the <church>.==Naprzeciwko kościoła jest bank.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Naprzeciwko kościoła jest bank. opposite – naprzeciwko.=Naprzeciwko hotelu jest bank. Obok banku stoi kościół.=
miejsca=miejsca_zdania1=The bus stops in front of the <school>.==Autobus zatrzymuje się przed szkołą.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Autobus zatrzymuje się przed szkołą. in front of – przed.=Autobus zatrzymuje się przed szpitalem. Na obrazku jest szkoła.=
miejsca=miejsca_zdania1=There are three <tents> in the mountains.==W górach stoją trzy namioty.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=W górach stoją trzy namioty. tent – namiot.=W górach stoją trzy domy. Na obrazku są namioty.=
miejsca=miejsca_zdania2=I post letters at the <post> office.==Wysyłam listy na poczcie.=z2_01.png=0=z2_01.wav==2=0=z2_01a.png=0=Wysyłam listy na poczcie. post office – poczta.==
miejsca=miejsca_zdania2=Dad works in a <factory>.==Tata pracuje w fabryce.=z2_02.png=0=z2_02.wav==2=0==0=Tata pracuje w fabryce. factory – fabryka.==
miejsca=miejsca_zdania2=We sleep in a <hotel> on holiday.==Na wakacjach śpimy w hotelu.=z2_03.png=0=z2_03.wav==2=0==0=Na wakacjach śpimy w hotelu. on holiday – na wakacjach.==
miejsca=miejsca_zdania2=I buy bread in the <shop>.==Kupuję chleb w sklepie.=z2_04.png=0=z2_04.wav==2=0=z2_04a.png=0=Kupuję chleb w sklepie. buy – kupować.==
miejsca=miejsca_zdania2=The football <stadium> is very big.==Stadion piłkarski jest bardzo duży.=z2_05.png=0=z2_05.wav==2=0==0=Stadion piłkarski jest bardzo duży. stadium – stadion.==
miejsca=miejsca_zdania2=Let's visit the <museum>.==Chodźmy do muzeum.=z2_06.png=0=z2_06.wav==2=0==0=Chodźmy do muzeum. visit – zwiedzać, odwiedzać.==
miejsca=miejsca_zdania2=The children are at <school>.==Dzieci są w szkole.=z2_07.png=0=z2_07.wav==2=0==0=Dzieci są w szkole. at school – w szkole.==
miejsca=miejsca_zdania2=The doctor is at the <hospital>.==Lekarz jest w szpitalu.=z2_08.png=0=z2_08.wav==2=0==0=Lekarz jest w szpitalu. doctor – lekarz.==
miejsca=miejsca_zdania3=The <mountain> is very high.==Góra jest bardzo wysoka.=z3_01.png=0=z3_01.wav==3=0=z3_01a.png/z3_01b.png=0=Góra jest bardzo wysoka. high – wysoki.==
miejsca=miejsca_zdania3=This <island> is small.==Ta wyspa jest mała.=z3_02.png=0=z3_02.wav==3=0=z3_02a.png/z3_02b.png=0=Ta wyspa jest mała. small – mały.==
miejsca=miejsca_zdania3=The <volcano> is dangerous.==Wulkan jest niebezpieczny.=z3_03.png=0=z3_03.wav==3=0==0=Wulkan jest niebezpieczny. dangerous – niebezpieczny.==
miejsca=miejsca_zdania3=The <desert> is hot and dry.==Pustynia jest gorąca i sucha.=z3_04.png=0=z3_04.wav==3=0==0=Pustynia jest gorąca i sucha. dry – suchy.==
miejsca=miejsca_zdania3=We are walking in the <forest>.==Spacerujemy po lesie.=z3_05.png=0=z3_05.wav==3=0==0=Spacerujemy po lesie. forest – las.==
miejsca=miejsca_zdania3=There is a <lake> in the park.==W parku jest jezioro.=z3_06.png=0=z3_06.wav==3=0==0=W parku jest jezioro. lake – jezioro.==
miejsca=miejsca_zdania3=Look at the big <wave>!==Popatrz na tę wielką falę!=z3_07.png=0=z3_07.wav==3=0==0=Popatrz na wielką falę! wave – fala.==
miejsca=miejsca_zdania3=The <city> has got tall buildings.==W mieście są wysokie budynki.=z3_08.png=0=z3_08.wav==3=0==0=W mieście są wysokie budynki. city – miasto, building – budynek.==
miejsca=miejsca_zdania4=I need to go to the <bank>.==Muszę iść do banku.=z4_01.png=0=z4_01.wav==4=0==0=Muszę iść do banku. need to – musieć, potrzebować.==
miejsca=miejsca_zdania4=She borrows books from the <library>.==Ona wypożycza książki z biblioteki.=z4_02.png=0=z4_02.wav==4=0==0=Ona wypożycza książki z biblioteki. library – biblioteka (nie księgarnia!).==
miejsca=miejsca_zdania4=We are going to the <swimming> pool.==Idziemy na basen.=z4_03.png=0=z4_03.wav==4=0==0=Idziemy na basen. swimming pool – basen.==
miejsca=miejsca_zdania4=They are at the <airport>.==Oni są na lotnisku.=z4_04.png=0=z4_04.wav==4=0==0=Oni są na lotnisku. airport – lotnisko.==
miejsca=miejsca_zdania4=He is at the <train> station.==On jest na dworcu kolejowym.=z4_05.png=0=z4_05.wav==4=0=z4_05a.png/z4_05b.png/z4_05c.png=0=On jest na dworcu kolejowym. train station – dworzec kolejowy.==
miejsca=miejsca_zdania4=Let's meet at the <cinema>.==Spotkajmy się w kinie.=z4_06.png=0=z4_06.wav==4=0==0=Spotkajmy się w kinie. meet – spotkać się.==
miejsca=miejsca_zdania4=I buy medicine at the <pharmacy>.==Kupuję lekarstwa w aptece.=z4_07.png=0=z4_07.wav==4=0==0=Kupuję lekarstwa w aptece. medicine – lekarstwo, pharmacy – apteka.==
miejsca=miejsca_zdania4=The children are in the <playground>.==Dzieci są na placu zabaw.=z4_08.png=0=z4_08.wav==4=0==0=Dzieci są na placu zabaw. playground – plac zabaw.==
miejsca=miejsca_zdania4=We eat pizza in a <restaurant>.==Jemy pizzę w restauracji.=z4_09.png=0=z4_09.wav==4=0=z4_09a.png/z4_09b.png/z4_09c.png=0=Jemy pizzę w restauracji. restaurant – restauracja.==
miejsca=miejsca_zdania4=My aunt lives on a <farm>.==Moja ciocia mieszka na wsi, w gospodarstwie.=z4_10.png=0=z4_10.wav==4=0==0=Moja ciocia mieszka w gospodarstwie. farm – gospodarstwo rolne.==

// ------------------------------------------------------------- dom
dom=dom_slowka=house==dom=house.png=0=house.wav==30=0==0===
dom=dom_slowka=door==drzwi=door.png=0=door.wav==30=0==0===
dom=dom_slowka=window==okno=window.png=0=window.wav==30=0==0===
dom=dom_slowka=bed==łóżko=bed.png=0=bed.wav==30=0==0===
dom=dom_slowka=chair==krzesło=chair.png=0=chair.wav==30=0==0===
dom=dom_slowka=sofa==kanapa=sofa.png=0=sofa.wav==30=0==0===
dom=dom_slowka=bath==wanna=bath.png=0=bath.wav==30=0==0===
dom=dom_slowka=shower==prysznic=shower.png=0=shower.wav==30=0==0===
dom=dom_slowka=toilet==toaleta=toilet.png=0=toilet.wav==30=0==0===
dom=dom_slowka=mirror==lustro=mirror.png=0=mirror.wav==30=0==0===
dom=dom_slowka=key==klucz=key.png=0=key.wav==30=0==0===
dom=dom_slowka=plant==roślina=plant.png=0=plant.wav==30=0==0===
dom=dom_slowka=picture==obraz=picture.png=0=picture.wav==30=0==0===
dom=dom_slowka=candle==świeca=candle.png=0=candle.wav==30=0==0===
dom=dom_slowka=broom==miotła=broom.png=0=broom.wav==30=0==0===
dom=dom_slowka=soap==mydło=soap.png=0=soap.wav==30=0==0===
dom=dom_zdania1=The cat is on the <sofa>.==Kot jest na kanapie.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Kot jest na kanapie. on – na.=Kot jest na łóżku. Kot siedzi na kanapie.=
dom=dom_zdania1=There is a <plant> next to the window.==Obok okna stoi roślina.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Obok okna stoi roślina. plant – roślina.=Obok okna stoi lampa. Na obrazku jest roślina.=
dom=dom_zdania1=There is a picture above the <bed>.==Nad łóżkiem wisi obraz.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Nad łóżkiem wisi obraz. above – nad.=Nad kanapą wisi obraz. Obraz wisi nad łóżkiem.=
dom=dom_zdania1=The key is in the <door>.==Klucz jest w drzwiach.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Klucz jest w drzwiach. key – klucz.=Klucz jest na stole. Na obrazku klucz jest w drzwiach.=
dom=dom_zdania1=The dog is sleeping in the <bath>.==Pies śpi w wannie.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Pies śpi w wannie. bath – wanna.=Pies śpi w ogrodzie. Pies śpi w łazience, w wannie.=
dom=dom_zdania1=There are two <chairs> in the room.==W pokoju są dwa krzesła.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=W pokoju są dwa krzesła. chair – krzesło.=W pokoju są trzy krzesła. Krzesła są dwa.=
dom=dom_zdania1=There is a <mirror> in the bathroom.==W łazience jest lustro.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=W łazience jest lustro. bathroom – łazienka.=W łazience jest okno. Na obrazku jest lustro.=
dom=dom_zdania1=Mum is cleaning the floor with a <broom>.==Mama zamiata podłogę miotłą.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Mama sprząta podłogę miotłą. floor – podłoga.=Mama myje okno. Mama zamiata podłogę.=
dom=dom_zdania2=I live in a big <house>.==Mieszkam w dużym domu.=z2_01.png=0=z2_01.wav==2=0=z2_01a.png=0=Mieszkam w dużym domu. live – mieszkać.==
dom=dom_zdania2=My flat is in a tall <building>.==Moje mieszkanie jest w wysokim budynku.=z2_02.png=0=z2_02.wav==2=0=z2_02a.png=0=Moje mieszkanie jest w wysokim budynku. flat – mieszkanie.==
dom=dom_zdania2=We have got a <garden> with flowers.==Mamy ogród z kwiatami.=z2_03.png=0=z2_03.wav==2=0==0=Mamy ogród z kwiatami. flower – kwiat.==
dom=dom_zdania2=Please close the <door>.==Zamknij, proszę, drzwi.=z2_04.png=0=z2_04.wav==2=0==0=Zamknij, proszę, drzwi. close – zamykać.==
dom=dom_zdania2=Open the <window>, please.==Otwórz, proszę, okno.=z2_05.png=0=z2_05.wav==2=0==0=Otwórz, proszę, okno. open – otwierać.==
dom=dom_zdania2=I wash my hands with <soap>.==Myję ręce mydłem.=z2_06.png=0=z2_06.wav==2=0==0=Myję ręce mydłem. wash – myć.==
dom=dom_zdania2=The <candle> is on the table.==Świeca stoi na stole.=z2_07.png=0=z2_07.wav==2=0==0=Świeca stoi na stole. candle – świeca.==
dom=dom_zdania2=We sit by the <fire> in winter.==Zimą siedzimy przy kominku.=z2_08.png=0=z2_08.wav==2=0==0=Zimą siedzimy przy ogniu. fire – ogień.==
dom=dom_zdania3=I sleep in my <bed>.==Śpię w moim łóżku.=z3_01.png=0=z3_01.wav==3=0==0=Śpię w moim łóżku. sleep – spać.==
dom=dom_zdania3=Sit on the <chair>, please.==Usiądź, proszę, na krześle.=z3_02.png=0=z3_02.wav==3=0==0=Usiądź, proszę, na krześle. sit – siadać.==
dom=dom_zdania3=The <sofa> is very comfortable.==Kanapa jest bardzo wygodna.=z3_03.png=0=z3_03.wav==3=0==0=Kanapa jest bardzo wygodna. comfortable – wygodny.==
dom=dom_zdania3=I have a <shower> every morning.==Co rano biorę prysznic.=z3_04.png=0=z3_04.wav==3=0==0=Co rano biorę prysznic. have a shower – brać prysznic.==
dom=dom_zdania3=The <toilet> is in the bathroom.==Toaleta jest w łazience.=z3_05.png=0=z3_05.wav==3=0==0=Toaleta jest w łazience. toilet – toaleta.==
dom=dom_zdania3=Turn on the <light>, please.==Włącz, proszę, światło.=z3_06.png=0=z3_06.wav==3=0=z3_06a.png/z3_06b.png=0=Włącz, proszę, światło. turn on – włączać.==
dom=dom_zdania3=The <clock> is on the wall.==Zegar wisi na ścianie.=z3_07.png=0=z3_07.wav==3=0==0=Zegar wisi na ścianie. wall – ściana.==
dom=dom_zdania3=Let's open the <box>.==Otwórzmy pudełko.=z3_08.png=0=z3_08.wav==3=0==0=Otwórzmy pudełko. box – pudełko.==
dom=dom_zdania4=Dad is <washing> the dishes.==Tata zmywa naczynia.=z4_01.png=0=z4_01.wav==4=0==0=Tata zmywa naczynia. wash the dishes – zmywać naczynia.==
dom=dom_zdania4=I make my <bed> every day.==Codziennie ścielę łóżko.=z4_02.png=0=z4_02.wav==4=0==0=Codziennie ścielę łóżko. make the bed – posłać łóżko.==
dom=dom_zdania4=My sister is <cleaning> the window.==Moja siostra myje okno.=z4_03.png=0=z4_03.wav==4=0==0=Moja siostra myje okno. clean – czyścić, sprzątać.==
dom=dom_zdania4=Grandma is watering the <plants>.==Babcia podlewa rośliny.=z4_04.png=0=z4_04.wav==4=0=z4_04a.png/z4_04b.png/z4_04c.png=0=Babcia podlewa rośliny. water – podlewać.==
dom=dom_zdania4=Mum is <cooking> dinner.==Mama gotuje obiad.=z4_05.png=0=z4_05.wav==4=0==0=Mama gotuje obiad. cook – gotować.==
dom=dom_zdania4=Tom is taking out the <rubbish>.==Tomek wynosi śmieci.=z4_06.png=0=z4_06.wav==4=0==0=Tomek wynosi śmieci. rubbish – śmieci.==
dom=dom_zdania4=We are painting the <wall>.==Malujemy ścianę.=z4_07.png=0=z4_07.wav==4=0==0=Malujemy ścianę. paint – malować.==
dom=dom_zdania4=Please <wash> your hands.==Umyj, proszę, ręce.=z4_08.png=0=z4_08.wav==4=0==0=Umyj, proszę, ręce. hand – ręka, dłoń.==
dom=dom_zdania4=The baby is in the <bath>.==Dziecko jest w wannie.=z4_09.png=0=z4_09.wav==4=0==0=Dziecko jest w wannie. baby – niemowlę.==
dom=dom_zdania4=Can you feed the <cat>?==Czy możesz nakarmić kota?=z4_10.png=0=z4_10.wav==4=0=z4_10a.png/z4_10b.png/z4_10c.png=0=Czy możesz nakarmić kota? feed – karmić.==

// ------------------------------------------------------------ czas
czas=czas_slowka=clock==zegar=clock.png=0=clock.wav==30=0==0===
czas=czas_slowka=watch==zegarek=watch.png=0=watch.wav==30=0==0===
czas=czas_slowka=alarm clock==budzik=alarm_clock.png=0=alarm_clock.wav==30=0==0===
czas=czas_slowka=calendar==kalendarz=calendar.png=0=calendar.wav==30=0==0===
czas=czas_slowka=hourglass==klepsydra=hourglass.png=0=hourglass.wav==30=0==0===
czas=czas_slowka=stopwatch==stoper=stopwatch.png=0=stopwatch.wav==30=0==0===
czas=czas_slowka=morning==poranek=morning.png=0=morning.wav==30=0==0===
czas=czas_slowka=afternoon==popołudnie=afternoon.png=0=afternoon.wav==30=0==0===
czas=czas_slowka=evening==wieczór=evening.png=0=evening.wav==30=0==0===
czas=czas_slowka=night==noc=night.png=0=night.wav==30=0==0===
czas=czas_slowka=spring==wiosna=spring.png=0=spring.wav==30=0==0===
czas=czas_slowka=summer==lato=summer.png=0=summer.wav==30=0==0===
czas=czas_slowka=autumn==jesień=autumn.png=0=autumn.wav==30=0==0===
czas=czas_slowka=winter==zima=winter.png=0=winter.wav==30=0==0===
czas=czas_slowka=birthday==urodziny=birthday.png=0=birthday.wav==30=0==0===
czas=czas_slowka=holiday==wakacje=holiday.png=0=holiday.wav==30=0==0===
czas=czas_zdania1=It is <seven> o'clock.==Jest siódma.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Jest siódma. o'clock – godzina (pełna).=Jest dziewiąta. Zegar pokazuje siódmą.=
czas=czas_zdania1=It is half past <two>.==Jest wpół do trzeciej.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Jest wpół do trzeciej (druga trzydzieści). half past two – 2:30.=Jest wpół do szóstej. Zegar pokazuje 2:30.=
czas=czas_zdania1=It is <twelve> o'clock.==Jest dwunasta.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Jest dwunasta. twelve – dwanaście.=Jest szósta. Zegar pokazuje dwunastą.=
czas=czas_zdania1=It is half past <ten>.==Jest wpół do jedenastej.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Jest wpół do jedenastej (10:30). half past ten – 10:30.=Jest wpół do drugiej. Zegar pokazuje 10:30.=
czas=czas_zdania1=It is <four> o'clock.==Jest czwarta.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Jest czwarta. four – cztery.=Jest ósma. Zegar pokazuje czwartą.=
czas=czas_zdania1=It is half past <eight>.==Jest wpół do dziewiątej.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Jest wpół do dziewiątej (8:30).=Jest wpół do czwartej. Zegar pokazuje 8:30.=
czas=czas_zdania1=It is <eleven> o'clock.==Jest jedenasta.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Jest jedenasta. eleven – jedenaście.=Jest druga. Zegar pokazuje jedenastą.=
czas=czas_zdania1=It is half past <six>.==Jest wpół do siódmej.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Jest wpół do siódmej (6:30).=Jest wpół do pierwszej. Zegar pokazuje 6:30.=
czas=czas_zdania2=I get <up> at seven o'clock.==Wstaję o siódmej.=z2_01.png=0=z2_01.wav==2=0==0=Wstaję o siódmej. get up – wstawać.==
czas=czas_zdania2=I <brush> my teeth.==Myję zęby.=z2_02.png=0=z2_02.wav==2=0==0=Myję zęby. brush – szczotkować, tooth – ząb, teeth – zęby.==
czas=czas_zdania2=I have <breakfast> at eight.==Jem śniadanie o ósmej.=z2_03.png=0=z2_03.wav==2=0=z2_03a.png=0=Jem śniadanie o ósmej. breakfast – śniadanie.==
czas=czas_zdania2=I go to school at half past <eight>.==Idę do szkoły o wpół do dziewiątej.=z2_04.png=0=z2_04.wav==2=0==0=Idę do szkoły o 8:30. go to school – iść do szkoły.==
czas=czas_zdania2=We have <lunch> at one o'clock.==Jemy obiad o pierwszej.=z2_05.png=0=z2_05.wav==2=0==0=Jemy obiad o pierwszej. lunch – lunch, obiad w środku dnia.==
czas=czas_zdania2=I do my <homework> in the afternoon.==Po południu odrabiam lekcje.=z2_06.png=0=z2_06.wav==2=0==0=Po południu odrabiam lekcje. homework – praca domowa.==
czas=czas_zdania2=I go to <bed> at nine.==Idę spać o dziewiątej.=z2_07.png=0=z2_07.wav==2=0=z2_07a.png=0=Idę spać o dziewiątej. go to bed – iść spać.==
czas=czas_zdania2=I <watch> TV in the evening.==Wieczorem oglądam telewizję.=z2_08.png=0=z2_08.wav==2=0==0=Wieczorem oglądam telewizję. watch – oglądać.==
czas=czas_zdania3=It is snowing in <winter>.==Zimą pada śnieg.=z3_01.png=0=z3_01.wav==3=0==0=Zimą pada śnieg. snow – śnieg.==
czas=czas_zdania3=In <spring> the flowers grow.==Wiosną rosną kwiaty.=z3_02.png=0=z3_02.wav==3=0==0=Wiosną rosną kwiaty. grow – rosnąć.==
czas=czas_zdania3=It is hot in <summer>.==Latem jest gorąco.=z3_03.png=0=z3_03.wav==3=0==0=Latem jest gorąco. hot – gorący.==
czas=czas_zdania3=The leaves fall in <autumn>.==Jesienią spadają liście.=z3_04.png=0=z3_04.wav==3=0==0=Jesienią spadają liście. leaf – liść, leaves – liście.==
czas=czas_zdania3=My <birthday> is in May.==Moje urodziny są w maju.=z3_05.png=0=z3_05.wav==3=0=z3_05a.png/z3_05b.png=0=Moje urodziny są w maju. May – maj.==
czas=czas_zdania3=We go on <holiday> in July.==W lipcu jedziemy na wakacje.=z3_06.png=0=z3_06.wav==3=0==0=W lipcu jedziemy na wakacje. July – lipiec.==
czas=czas_zdania3=There are seven days in a <week>.==Tydzień ma siedem dni.=z3_07.png=0=z3_07.wav==3=0==0=Tydzień ma siedem dni. week – tydzień.==
czas=czas_zdania3=My <watch> is new.==Mój zegarek jest nowy.=z3_08.png=0=z3_08.wav==3=0=z3_08a.png/z3_08b.png=0=Mój zegarek jest nowy. watch – zegarek na rękę.==
czas=czas_zdania4=On <Monday> I have an English lesson.==W poniedziałek mam lekcję angielskiego.=z4_01.png=0=z4_01.wav==4=0==0=W poniedziałek mam lekcję angielskiego. Dni tygodnia piszemy wielką literą.==
czas=czas_zdania4=On <Tuesday> I go swimming.==We wtorek chodzę pływać.=z4_02.png=0=z4_02.wav==4=0==0=We wtorek chodzę pływać. Tuesday – wtorek.==
czas=czas_zdania4=On <Wednesday> I play football.==W środę gram w piłkę.=z4_03.png=0=z4_03.wav==4=0==0=W środę gram w piłkę. Wednesday – środa.==
czas=czas_zdania4=On <Thursday> I visit my grandma.==W czwartek odwiedzam babcię.=z4_04.png=0=z4_04.wav==4=0==0=W czwartek odwiedzam babcię. Thursday – czwartek.==
czas=czas_zdania4=On <Friday> we eat pizza.==W piątek jemy pizzę.=z4_05.png=0=z4_05.wav==4=0==0=W piątek jemy pizzę. Friday – piątek.==
czas=czas_zdania4=On <Saturday> we go to the cinema.==W sobotę chodzimy do kina.=z4_06.png=0=z4_06.wav==4=0==0=W sobotę chodzimy do kina. Saturday – sobota.==
czas=czas_zdania4=On <Sunday> we have a big family dinner.==W niedzielę jemy duży rodzinny obiad.=z4_07.png=0=z4_07.wav==4=0==0=W niedzielę jemy duży rodzinny obiad. Sunday – niedziela.==
czas=czas_zdania4=My birthday is in <January>.==Moje urodziny są w styczniu.=z4_08.png=0=z4_08.wav==4=0=z4_08a.png/z4_08b.png/z4_08c.png=0=Moje urodziny są w styczniu. Nazwy miesięcy piszemy wielką literą.==
czas=czas_zdania4=We go to the seaside in <August>.==W sierpniu jedziemy nad morze.=z4_09.png=0=z4_09.wav==4=0==0=W sierpniu jedziemy nad morze. seaside – wybrzeże, nad morzem.==
czas=czas_zdania4=School starts in <September>.==Szkoła zaczyna się we wrześniu.=z4_10.png=0=z4_10.wav==4=0==0=Szkoła zaczyna się we wrześniu. September – wrzesień.==

// --------------------------------------------------------- kuchnia
kuchnia=kuchnia_slowka=apple==jabłko=apple.png=0=apple.wav==30=0==0===
kuchnia=kuchnia_slowka=bread==chleb=bread.png=0=bread.wav==30=0==0===
kuchnia=kuchnia_slowka=cheese==ser=cheese.png=0=cheese.wav==30=0==0===
kuchnia=kuchnia_slowka=egg==jajko=egg.png=0=egg.wav==30=0==0===
kuchnia=kuchnia_slowka=milk==mleko=milk.png=0=milk.wav==30=0==0===
kuchnia=kuchnia_slowka=butter==masło=butter.png=0=butter.wav==30=0==0===
kuchnia=kuchnia_slowka=soup==zupa=soup.png=0=soup.wav==30=0==0===
kuchnia=kuchnia_slowka=rice==ryż=rice.png=0=rice.wav==30=0==0===
kuchnia=kuchnia_slowka=carrot==marchewka=carrot.png=0=carrot.wav==30=0==0===
kuchnia=kuchnia_slowka=tomato==pomidor=tomato.png=0=tomato.wav==30=0==0===
kuchnia=kuchnia_slowka=potato==ziemniak=potato.png=0=potato.wav==30=0==0===
kuchnia=kuchnia_slowka=cake==ciasto=cake.png=0=cake.wav==30=0==0===
kuchnia=kuchnia_slowka=salt==sól=salt.png=0=salt.wav==30=0==0===
kuchnia=kuchnia_slowka=spoon==łyżka=spoon.png=0=spoon.wav==30=0==0===
kuchnia=kuchnia_slowka=cup==filiżanka=cup.png=0=cup.wav==30=0==0===
kuchnia=kuchnia_slowka=frying pan==patelnia=frying_pan.png=0=frying_pan.wav==30=0==0===
kuchnia=kuchnia_zdania1=There is an <apple> on the table.==Na stole jest jabłko.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Na stole jest jabłko. Przed wyrazem, który zaczyna się samogłoską, mówimy „an”: an apple, an egg.=Na stole jest banan. Na obrazku nie ma banana – jest jabłko.=
kuchnia=kuchnia_zdania1=There are three <eggs> on the table.==Na stole są trzy jajka.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Na stole są trzy jajka. Liczba mnoga: one egg – three eggs.=Na stole są dwa jajka. Policz jeszcze raz: jajka są trzy.=
kuchnia=kuchnia_zdania1=The milk is next to the <bread>.==Mleko stoi obok chleba.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Mleko stoi obok chleba. next to – obok.=Mleko stoi obok sera. Na obrazku nie ma sera, jest chleb.=
kuchnia=kuchnia_zdania1=The cat is <under> the table.==Kot jest pod stołem.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Kot jest pod stołem. under – pod, on – na.=Kot jest na stole. Kot siedzi pod stołem, a nie na nim.=
kuchnia=kuchnia_zdania1=There is <soup> in the bowl.==W misce jest zupa.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=W misce jest zupa. bowl – miska, soup – zupa.=W misce jest ryż. Na obrazku w misce jest zupa.=
kuchnia=kuchnia_zdania1=There are four <tomatoes> on the table.==Na stole są cztery pomidory.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Na stole są cztery pomidory. Liczba mnoga: tomato – tomatoes (dodajemy -es).=Na stole są cztery ziemniaki. Na obrazku są pomidory.=
kuchnia=kuchnia_zdania1=The cook has got a big <knife>.==Kucharz ma duży nóż.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Kucharz ma duży nóż. has got – ma, knife – nóż (litery k nie wymawiamy).=Kucharz ma dużą łyżkę. Kucharz trzyma nóż, nie łyżkę.=
kuchnia=kuchnia_zdania1=There are <strawberries> on the table.==Na stole są truskawki.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Na stole są truskawki. strawberry – strawberries (y zmienia się w ies).=Na stole są winogrona. Na obrazku są truskawki.=
kuchnia=kuchnia_zdania2=I eat <bread> and butter for breakfast.==Na śniadanie jem chleb z masłem.=z2_01.png=0=z2_01.wav==2=0==0=Na śniadanie jem chleb z masłem. breakfast – śniadanie, lunch – obiad, dinner – kolacja.=
kuchnia=kuchnia_zdania2=She is drinking orange <juice>.==Ona pije sok pomarańczowy.=z2_02.png=0=z2_02.wav==2=0==0=Ona pije sok pomarańczowy. is drinking – pije (teraz).=
kuchnia=kuchnia_zdania2=We have <pizza> for dinner.==Na kolację jemy pizzę.=z2_03.png=0=z2_03.wav==2=0==0=Na kolację jemy pizzę. have for dinner – jeść na kolację.=
kuchnia=kuchnia_zdania2=My dad is <cooking> eggs.==Mój tata smaży jajka.=z2_04.png=0=z2_04.wav==2=0==0=Mój tata przyrządza jajka. cook – gotować, przyrządzać.=
kuchnia=kuchnia_zdania2=The children love <pancakes>.==Dzieci uwielbiają naleśniki.=z2_05.png=0=z2_05.wav==2=0==0=Dzieci uwielbiają naleśniki. children – dzieci (liczba mnoga od child).=
kuchnia=kuchnia_zdania2=There is a <sandwich> on the plate.==Na talerzu jest kanapka.=z2_06.png=0=z2_06.wav==2=0=z2_06a.png=0=Na talerzu jest kanapka. plate – talerz.=
kuchnia=kuchnia_zdania2=I would like some <salad>, please.==Poproszę sałatkę.=z2_07.png=0=z2_07.wav==2=0==0=Poproszę sałatkę. I would like – chciałbym, chciałabym.=
kuchnia=kuchnia_zdania2=He is eating <spaghetti>.==On je spaghetti.=z2_08.png=0=z2_08.wav==2=0=z2_08a.png=0=On je spaghetti. is eating – je (teraz).=
kuchnia=kuchnia_zdania3=The <banana> is yellow.==Banan jest żółty.=z3_01.png=0=z3_01.wav==3=0==0=Banan jest żółty. yellow – żółty.=
kuchnia=kuchnia_zdania3=The <grapes> are purple.==Winogrona są fioletowe.=z3_02.png=0=z3_02.wav==3=0==0=Winogrona są fioletowe. grapes – winogrona, purple – fioletowy.=
kuchnia=kuchnia_zdania3=A <watermelon> is big and green.==Arbuz jest duży i zielony.=z3_03.png=0=z3_03.wav==3=0==0=Arbuz jest duży i zielony. watermelon – arbuz.=
kuchnia=kuchnia_zdania3=I have got two <lemons>.==Mam dwie cytryny.=z3_04.png=0=z3_04.wav==3=0=z3_04a.png/z3_04b.png=0=Mam dwie cytryny. lemon – cytryna.=
kuchnia=kuchnia_zdania3=The <strawberries> are red and sweet.==Truskawki są czerwone i słodkie.=z3_05.png=0=z3_05.wav==3=0==0=Truskawki są czerwone i słodkie. sweet – słodki.=
kuchnia=kuchnia_zdania3=These <carrots> are orange.==Te marchewki są pomarańczowe.=z3_06.png=0=z3_06.wav==3=0==0=Te marchewki są pomarańczowe. these – te (liczba mnoga od this).=
kuchnia=kuchnia_zdania3=This <pear> is green.==Ta gruszka jest zielona.=z3_07.png=0=z3_07.wav==3=0==0=Ta gruszka jest zielona. pear – gruszka.=
kuchnia=kuchnia_zdania3=There is a <pineapple> in the picture.==Na obrazku jest ananas.=z3_08.png=0=z3_08.wav==3=0=z3_08a.png/z3_08b.png=0=Na obrazku jest ananas. pineapple – ananas.=
kuchnia=kuchnia_zdania4=The <teapot> is on the table.==Czajniczek stoi na stole.=z4_01.png=0=z4_01.wav==4=0=z4_01a.png/z4_01b.png/z4_01c.png=0=Czajniczek stoi na stole. teapot – dzbanek do herbaty.=
kuchnia=kuchnia_zdania4=I need a <knife> and a fork.==Potrzebuję noża i widelca.=z4_02.png=0=z4_02.wav==4=0==0=Potrzebuję noża i widelca. need – potrzebować, fork – widelec.=
kuchnia=kuchnia_zdania4=Mum is making a birthday <cake>.==Mama robi tort urodzinowy.=z4_03.png=0=z4_03.wav==4=0==0=Mama robi tort urodzinowy. birthday cake – tort urodzinowy.=
kuchnia=kuchnia_zdania4=There is an egg in the frying <pan>.==Na patelni jest jajko.=z4_04.png=0=z4_04.wav==4=0==0=Na patelni jest jajko. frying pan – patelnia.=
kuchnia=kuchnia_zdania4=The baby is drinking <milk>.==Dziecko pije mleko.=z4_05.png=0=z4_05.wav==4=0==0=Niemowlę pije mleko. baby – niemowlę, małe dziecko.=
kuchnia=kuchnia_zdania4=Do you like <chocolate>?==Czy lubisz czekoladę?=z4_06.png=0=z4_06.wav==4=0==0=Czy lubisz czekoladę? Pytanie zaczynamy od „Do you…?”.=
kuchnia=kuchnia_zdania4=Can you pass the <salt>, please?==Czy możesz podać sól?=z4_07.png=0=z4_07.wav==4=0==0=Czy możesz podać sól? pass – podać.=
kuchnia=kuchnia_zdania4=We need six <eggs> for the cake.==Do ciasta potrzebujemy sześciu jajek.=z4_08.png=0=z4_08.wav==4=0=z4_08a.png/z4_08b.png/z4_08c.png=0=Do ciasta potrzebujemy sześciu jajek. six – sześć.=
kuchnia=kuchnia_zdania4=There is <honey> in the jar.==W słoiku jest miód.=z4_09.png=0=z4_09.wav==4=0==0=W słoiku jest miód. jar – słoik, honey – miód.=
kuchnia=kuchnia_zdania4=A <croissant> and a coffee, please.==Poproszę rogalik i kawę.=z4_10.png=0=z4_10.wav==4=0==0=Poproszę rogalik i kawę. please – proszę (gdy o coś prosimy).=

// ----------------------------------------------------------- praca
praca=praca_slowka=doctor==lekarz=doctor.png=0=doctor.wav==30=0==0===
praca=praca_slowka=teacher==nauczyciel=teacher.png=0=teacher.wav==30=0==0===
praca=praca_slowka=cook==kucharz=cook.png=0=cook.wav==30=0==0===
praca=praca_slowka=farmer==rolnik=farmer.png=0=farmer.wav==30=0==0===
praca=praca_slowka=mechanic==mechanik=mechanic.png=0=mechanic.wav==30=0==0===
praca=praca_slowka=firefighter==strażak=firefighter.png=0=firefighter.wav==30=0==0===
praca=praca_slowka=police officer==policjant=police_officer.png=0=police_officer.wav==30=0==0===
praca=praca_slowka=pilot==pilot=pilot.png=0=pilot.wav==30=0==0===
praca=praca_slowka=artist==artysta=artist.png=0=artist.wav==30=0==0===
praca=praca_slowka=scientist==naukowiec=scientist.png=0=scientist.wav==30=0==0===
praca=praca_slowka=builder==budowlaniec=builder.png=0=builder.wav==30=0==0===
praca=praca_slowka=singer==piosenkarz=singer.png=0=singer.wav==30=0==0===
praca=praca_slowka=judge==sędzia=judge.png=0=judge.wav==30=0==0===
praca=praca_slowka=office worker==pracownik biurowy=office_worker.png=0=office_worker.wav==30=0==0===
praca=praca_slowka=astronaut==astronauta=astronaut.png=0=astronaut.wav==30=0==0===
praca=praca_slowka=programmer==programista=programmer.png=0=programmer.wav==30=0==0===
praca=praca_zdania1=She is a <doctor>.==Ona jest lekarką.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Ona jest lekarką. doctor – lekarz, lekarka.=Ona jest nauczycielką. Na obrazku jest lekarka.=
praca=praca_zdania1=He is a <firefighter>.==On jest strażakiem.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=On jest strażakiem. firefighter – strażak.=On jest pilotem. Na obrazku jest strażak.=
praca=praca_zdania1=The <farmer> is next to his tractor.==Rolnik stoi obok swojego traktora.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Rolnik stoi obok swojego traktora. tractor – traktor.=Rolnik stoi obok swojego konia. Na obrazku jest traktor, nie koń.=
praca=praca_zdania1=The police officer is next to the <car>.==Policjant stoi obok samochodu.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Policjant stoi obok samochodu. police officer – policjant.=Policjant stoi obok roweru. Na obrazku jest samochód.=
praca=praca_zdania1=The <teacher> is in the classroom.==Nauczyciel jest w klasie.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Nauczyciel jest w klasie. classroom – sala lekcyjna.=Nauczyciel jest w ogrodzie. Nauczyciel jest w klasie.=
praca=praca_zdania1=The builder has got a <hammer>.==Budowlaniec ma młotek.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Budowlaniec ma młotek. hammer – młotek.=Budowlaniec ma drabinę. Na obrazku jest młotek.=
praca=praca_zdania1=The astronaut is in <space>.==Astronauta jest w kosmosie.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Astronauta jest w kosmosie. space – kosmos.=Astronauta jest w morzu. Astronauta jest w kosmosie.=
praca=praca_zdania1=The scientist is looking into a <microscope>.==Naukowiec patrzy przez mikroskop.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Naukowiec patrzy przez mikroskop. look into – zaglądać.=Naukowiec patrzy przez teleskop. Na obrazku jest mikroskop.=
praca=praca_zdania2=My mum works in an <office>.==Moja mama pracuje w biurze.=z2_01.png=0=z2_01.wav==2=0==0=Moja mama pracuje w biurze. office – biuro.==
praca=praca_zdania2=The mechanic is repairing a <car>.==Mechanik naprawia samochód.=z2_02.png=0=z2_02.wav==2=0=z2_02a.png=0=Mechanik naprawia samochód. repair – naprawiać.==
praca=praca_zdania2=The pilot is flying a <plane>.==Pilot leci samolotem.=z2_03.png=0=z2_03.wav==2=0=z2_03a.png=0=Pilot leci samolotem. fly – latać, pilotować.==
praca=praca_zdania2=The cook works in a <restaurant>.==Kucharz pracuje w restauracji.=z2_04.png=0=z2_04.wav==2=0==0=Kucharz pracuje w restauracji. cook – kucharz.==
praca=praca_zdania2=The <singer> is on the stage.==Piosenkarka jest na scenie.=z2_05.png=0=z2_05.wav==2=0==0=Piosenkarka jest na scenie. stage – scena.==
praca=praca_zdania2=The <judge> works in a court.==Sędzia pracuje w sądzie.=z2_06.png=0=z2_06.wav==2=0==0=Sędzia pracuje w sądzie. court – sąd.==
praca=praca_zdania2=The programmer is working on a <computer>.==Programista pracuje przy komputerze.=z2_07.png=0=z2_07.wav==2=0==0=Programista pracuje przy komputerze. computer – komputer.==
praca=praca_zdania2=The artist is painting a <picture>.==Artysta maluje obraz.=z2_08.png=0=z2_08.wav==2=0==0=Artysta maluje obraz. paint – malować.==
praca=praca_zdania3=The builder needs a <hammer>.==Budowlaniec potrzebuje młotka.=z3_01.png=0=z3_01.wav==3=0=z3_01a.png/z3_01b.png=0=Budowlaniec potrzebuje młotka. need – potrzebować.==
praca=praca_zdania3=I cut paper with <scissors>.==Tnę papier nożyczkami.=z3_02.png=0=z3_02.wav==3=0=z3_02a.png/z3_02b.png=0=Tnę papier nożyczkami. scissors – nożyczki.==
praca=praca_zdania3=The mechanic has got a <spanner>.==Mechanik ma klucz.=z3_03.png=0=z3_03.wav==3=0==0=Mechanik ma klucz francuski. spanner – klucz (narzędzie).==
praca=praca_zdania3=The doctor has got a <stethoscope>.==Lekarz ma stetoskop.=z3_04.png=0=z3_04.wav==3=0==0=Lekarz ma stetoskop. stethoscope – stetoskop.==
praca=praca_zdania3=Write with a <pen>, please.==Pisz, proszę, długopisem.=z3_05.png=0=z3_05.wav==3=0==0=Pisz długopisem. pen – długopis.==
praca=praca_zdania3=The farmer has got a <tractor>.==Rolnik ma traktor.=z3_06.png=0=z3_06.wav==3=0==0=Rolnik ma traktor. tractor – traktor.==
praca=praca_zdania3=Call the fire <engine>!==Wezwij wóz strażacki!=z3_07.png=0=z3_07.wav==3=0==0=Wezwij wóz strażacki! fire engine – wóz strażacki.==
praca=praca_zdania3=The office worker has got a <briefcase>.==Urzędnik ma teczkę.=z3_08.png=0=z3_08.wav==3=0==0=Pracownik biura ma teczkę. briefcase – teczka.==
praca=praca_zdania4=A nurse works in a <hospital>.==Pielęgniarka pracuje w szpitalu.=z4_01.png=0=z4_01.wav==4=0==0=Pielęgniarka pracuje w szpitalu. nurse – pielęgniarka.==
praca=praca_zdania4=A teacher works in a <school>.==Nauczyciel pracuje w szkole.=z4_02.png=0=z4_02.wav==4=0==0=Nauczyciel pracuje w szkole. school – szkoła.==
praca=praca_zdania4=A farmer works on a <farm>.==Rolnik pracuje w gospodarstwie.=z4_03.png=0=z4_03.wav==4=0==0=Rolnik pracuje w gospodarstwie. farm – gospodarstwo.==
praca=praca_zdania4=A pilot works on a <plane>.==Pilot pracuje w samolocie.=z4_04.png=0=z4_04.wav==4=0==0=Pilot pracuje w samolocie. plane – samolot.==
praca=praca_zdania4=A cook works in a <kitchen>.==Kucharz pracuje w kuchni.=z4_05.png=0=z4_05.wav==4=0==0=Kucharz pracuje w kuchni. kitchen – kuchnia.==
praca=praca_zdania4=A shop assistant works in a <shop>.==Sprzedawca pracuje w sklepie.=z4_06.png=0=z4_06.wav==4=0==0=Sprzedawca pracuje w sklepie. shop assistant – sprzedawca.==
praca=praca_zdania4=A firefighter drives a fire <engine>.==Strażak prowadzi wóz strażacki.=z4_07.png=0=z4_07.wav==4=0==0=Strażak prowadzi wóz strażacki. drive – prowadzić.==
praca=praca_zdania4=A vet helps sick <animals>.==Weterynarz pomaga chorym zwierzętom.=z4_08.png=0=z4_08.wav==4=0=z4_08a.png/z4_08b.png/z4_08c.png=0=Weterynarz pomaga chorym zwierzętom. vet – weterynarz.==
praca=praca_zdania4=A postman brings the <letters>.==Listonosz przynosi listy.=z4_09.png=0=z4_09.wav==4=0==0=Listonosz przynosi listy. postman – listonosz.==
praca=praca_zdania4=A bus driver drives a <bus>.==Kierowca autobusu prowadzi autobus.=z4_10.png=0=z4_10.wav==4=0==0=Kierowca autobusu prowadzi autobus. driver – kierowca.==

// ------------------------------------------------------- zwierzeta
zwierzeta=zwierzeta_slowka=cat==kot=cat.png=0=cat.wav==30=0==0===
zwierzeta=zwierzeta_slowka=dog==pies=dog.png=0=dog.wav==30=0==0===
zwierzeta=zwierzeta_slowka=horse==koń=horse.png=0=horse.wav==30=0==0===
zwierzeta=zwierzeta_slowka=cow==krowa=cow.png=0=cow.wav==30=0==0===
zwierzeta=zwierzeta_slowka=pig==świnia=pig.png=0=pig.wav==30=0==0===
zwierzeta=zwierzeta_slowka=sheep==owca=sheep.png=0=sheep.wav==30=0==0===
zwierzeta=zwierzeta_slowka=hen==kura=hen.png=0=hen.wav==30=0==0===
zwierzeta=zwierzeta_slowka=duck==kaczka=duck.png=0=duck.wav==30=0==0===
zwierzeta=zwierzeta_slowka=rabbit==królik=rabbit.png=0=rabbit.wav==30=0==0===
zwierzeta=zwierzeta_slowka=mouse==mysz=mouse.png=0=mouse.wav==30=0==0===
zwierzeta=zwierzeta_slowka=fish==ryba=fish.png=0=fish.wav==30=0==0===
zwierzeta=zwierzeta_slowka=bird==ptak=bird.png=0=bird.wav==30=0==0===
zwierzeta=zwierzeta_slowka=elephant==słoń=elephant.png=0=elephant.wav==30=0==0===
zwierzeta=zwierzeta_slowka=lion==lew=lion.png=0=lion.wav==30=0==0===
zwierzeta=zwierzeta_slowka=monkey==małpa=monkey.png=0=monkey.wav==30=0==0===
zwierzeta=zwierzeta_slowka=frog==żaba=frog.png=0=frog.wav==30=0==0===
zwierzeta=zwierzeta_zdania1=The <cow> is in the field.==Krowa jest na polu.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Krowa jest na pastwisku. field – pole, łąka.=Koń jest na polu. Na obrazku jest krowa.=
zwierzeta=zwierzeta_zdania1=There are three <sheep> on the hill.==Na wzgórzu są trzy owce.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Na wzgórzu są trzy owce. sheep – owca, owce (ta sama forma).=Na wzgórzu są trzy świnie. Na obrazku są owce.=
zwierzeta=zwierzeta_zdania1=The <duck> is on the lake.==Kaczka pływa po jeziorze.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Kaczka pływa po jeziorze. lake – jezioro.=Kura pływa po jeziorze. Na obrazku jest kaczka.=
zwierzeta=zwierzeta_zdania1=The dog is sleeping next to the <cat>.==Pies śpi obok kota.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Pies śpi obok kota. next to – obok.=Pies śpi obok królika. Obok psa jest kot.=
zwierzeta=zwierzeta_zdania1=The mouse is eating <cheese>.==Mysz je ser.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Mysz je ser. mouse – mysz.=Mysz je chleb. Mysz je ser.=
zwierzeta=zwierzeta_zdania1=The hen has got two <chicks>.==Kura ma dwa kurczątka.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Kura ma dwa kurczątka. chick – kurczątko.=Kura ma troje kurcząt. Policz: są dwa.=
zwierzeta=zwierzeta_zdania1=The <rabbit> is eating a carrot.==Królik je marchewkę.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Królik je marchewkę. carrot – marchewka.=Królik je jabłko. Królik je marchewkę.=
zwierzeta=zwierzeta_zdania1=The <pig> is pink.==Świnia jest różowa.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Świnia jest różowa. pink – różowy.=Świnia jest czarna. Świnia na obrazku jest różowa.=
zwierzeta=zwierzeta_zdania2=The <elephant> is very big.==Słoń jest bardzo duży.=z2_01.png=0=z2_01.wav==2=0==0=Słoń jest bardzo duży. big – duży.==
zwierzeta=zwierzeta_zdania2=The lion is sleeping under a <tree>.==Lew śpi pod drzewem.=z2_02.png=0=z2_02.wav==2=0==0=Lew śpi pod drzewem. tree – drzewo.==
zwierzeta=zwierzeta_zdania2=The <monkey> is eating a banana.==Małpa je banana.=z2_03.png=0=z2_03.wav==2=0==0=Małpa je banana. monkey – małpa.==
zwierzeta=zwierzeta_zdania2=The <giraffe> has got a long neck.==Żyrafa ma długą szyję.=z2_04.png=0=z2_04.wav==2=0=z2_04a.png=0=Żyrafa ma długą szyję. neck – szyja.==
zwierzeta=zwierzeta_zdania2=The <penguin> lives in a cold place.==Pingwin żyje w zimnym miejscu.=z2_05.png=0=z2_05.wav==2=0==0=Pingwin żyje w zimnym miejscu. cold – zimny.==
zwierzeta=zwierzeta_zdania2=The crocodile is in the <river>.==Krokodyl jest w rzece.=z2_06.png=0=z2_06.wav==2=0==0=Krokodyl jest w rzece. river – rzeka.==
zwierzeta=zwierzeta_zdania2=The <zebra> is black and white.==Zebra jest czarno-biała.=z2_07.png=0=z2_07.wav==2=0=z2_07a.png=0=Zebra jest czarno-biała. black and white – czarno-biały.==
zwierzeta=zwierzeta_zdania2=The tiger is <orange> and black.==Tygrys jest pomarańczowo-czarny.=z2_08.png=0=z2_08.wav==2=0==0=Tygrys jest pomarańczowy w czarne paski. tiger – tygrys.==
zwierzeta=zwierzeta_zdania3=My <dog> likes bones.==Mój pies lubi kości.=z3_01.png=0=z3_01.wav==3=0==0=Mój pies lubi kości. bone – kość.==
zwierzeta=zwierzeta_zdania3=The <cat> is black.==Kot jest czarny.=z3_02.png=0=z3_02.wav==3=0=z3_02a.png/z3_02b.png=0=Kot jest czarny. black – czarny.==
zwierzeta=zwierzeta_zdania3=I have got a <hamster>.==Mam chomika.=z3_03.png=0=z3_03.wav==3=0==0=Mam chomika. hamster – chomik.==
zwierzeta=zwierzeta_zdania3=Our <parrot> can talk.==Nasza papuga umie mówić.=z3_04.png=0=z3_04.wav==3=0==0=Nasza papuga umie mówić. parrot – papuga.==
zwierzeta=zwierzeta_zdania3=The <fish> are orange and blue.==Rybki są pomarańczowo-niebieskie.=z3_05.png=0=z3_05.wav==3=0==0=Rybki są pomarańczowo-niebieskie. fish – ryba, ryby (ta sama forma).==
zwierzeta=zwierzeta_zdania3=The <tortoise> is very slow.==Żółw jest bardzo powolny.=z3_06.png=0=z3_06.wav==3=0==0=Żółw jest bardzo powolny. slow – powolny.==
zwierzeta=zwierzeta_zdania3=My <rabbit> has got long ears.==Mój królik ma długie uszy.=z3_07.png=0=z3_07.wav==3=0==0=Mój królik ma długie uszy. ear – ucho.==
zwierzeta=zwierzeta_zdania3=A <puppy> is a baby dog.==Szczeniak to mały piesek.=z3_08.png=0=z3_08.wav==3=0=z3_08a.png/z3_08b.png=0=Szczeniak to mały pies. puppy – szczeniak.==
zwierzeta=zwierzeta_zdania4=Birds can <fly>.==Ptaki umieją latać.=z4_01.png=0=z4_01.wav==4=0==0=Ptaki umieją latać. can – umieć, fly – latać.==
zwierzeta=zwierzeta_zdania4=Fish can <swim>.==Ryby umieją pływać.=z4_02.png=0=z4_02.wav==4=0==0=Ryby umieją pływać. swim – pływać.==
zwierzeta=zwierzeta_zdania4=A kangaroo can <jump>.==Kangur umie skakać.=z4_03.png=0=z4_03.wav==4=0==0=Kangur umie skakać. jump – skakać.==
zwierzeta=zwierzeta_zdania4=A snake has got no <legs>.==Wąż nie ma nóg.=z4_04.png=0=z4_04.wav==4=0==0=Wąż nie ma nóg. snake – wąż.==
zwierzeta=zwierzeta_zdania4=Bees make <honey>.==Pszczoły robią miód.=z4_05.png=0=z4_05.wav==4=0==0=Pszczoły robią miód. bee – pszczoła.==
zwierzeta=zwierzeta_zdania4=An owl can see at <night>.==Sowa widzi w nocy.=z4_06.png=0=z4_06.wav==4=0=z4_06a.png/z4_06b.png/z4_06c.png=0=Sowa widzi w nocy. owl – sowa.==
zwierzeta=zwierzeta_zdania4=A cow gives us <milk>.==Krowa daje nam mleko.=z4_07.png=0=z4_07.wav==4=0==0=Krowa daje nam mleko. give – dawać.==
zwierzeta=zwierzeta_zdania4=A spider makes a <web>.==Pająk tka sieć.=z4_08.png=0=z4_08.wav==4=0==0=Pająk tka sieć. web – pajęczyna.==
zwierzeta=zwierzeta_zdania4=A hen lays <eggs>.==Kura znosi jajka.=z4_09.png=0=z4_09.wav==4=0==0=Kura znosi jajka. lay eggs – znosić jajka.==
zwierzeta=zwierzeta_zdania4=Dolphins are very <clever>.==Delfiny są bardzo mądre.=z4_10.png=0=z4_10.wav==4=0==0=Delfiny są bardzo mądre. clever – mądry, bystry.==

// --------------------------------------------------------- podroze
podroze=podroze_slowka=car==samochód=car.png=0=car.wav==30=0==0===
podroze=podroze_slowka=bus==autobus=bus.png=0=bus.wav==30=0==0===
podroze=podroze_slowka=train==pociąg=train.png=0=train.wav==30=0==0===
podroze=podroze_slowka=plane==samolot=plane.png=0=plane.wav==30=0==0===
podroze=podroze_slowka=ship==statek=ship.png=0=ship.wav==30=0==0===
podroze=podroze_slowka=bicycle==rower=bicycle.png=0=bicycle.wav==30=0==0===
podroze=podroze_slowka=taxi==taksówka=taxi.png=0=taxi.wav==30=0==0===
podroze=podroze_slowka=tram==tramwaj=tram.png=0=tram.wav==30=0==0===
podroze=podroze_slowka=motorbike==motocykl=motorbike.png=0=motorbike.wav==30=0==0===
podroze=podroze_slowka=helicopter==helikopter=helicopter.png=0=helicopter.wav==30=0==0===
podroze=podroze_slowka=ticket==bilet=ticket.png=0=ticket.wav==30=0==0===
podroze=podroze_slowka=suitcase==walizka=suitcase.png=0=suitcase.wav==30=0==0===
podroze=podroze_slowka=map==mapa=map.png=0=map.wav==30=0==0===
podroze=podroze_slowka=backpack==plecak=backpack.png=0=backpack.wav==30=0==0===
podroze=podroze_slowka=compass==kompas=compass.png=0=compass.wav==30=0==0===
podroze=podroze_slowka=station==dworzec=station.png=0=station.wav==30=0==0===
podroze=podroze_zdania1=The <train> is at the station.==Pociąg jest na stacji.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Pociąg jest na stacji. station – stacja, dworzec.=Autobus jest na stacji. Na obrazku jest pociąg.=
podroze=podroze_zdania1=There is a <ship> on the sea.==Na morzu jest statek.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Na morzu jest statek. ship – statek.=Na morzu jest samolot. Na morzu pływa statek.=
podroze=podroze_zdania1=The plane is flying over the <mountains>.==Samolot leci nad górami.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Samolot leci nad górami. over – nad.=Samolot leci nad morzem. Pod samolotem są góry.=
podroze=podroze_zdania1=The girl is riding a <bicycle>.==Dziewczynka jedzie na rowerze.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Dziewczynka jedzie na rowerze. ride – jechać (na rowerze, koniu).=Dziewczynka jedzie na koniu. Ona jedzie na rowerze.=
podroze=podroze_zdania1=The taxi is <yellow>.==Taksówka jest żółta.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Taksówka jest żółta. yellow – żółty.=Taksówka jest czerwona. Taksówka jest żółta.=
podroze=podroze_zdania1=My suitcase is next to the <door>.==Moja walizka stoi obok drzwi.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Moja walizka stoi obok drzwi. suitcase – walizka.=Moja walizka jest pod łóżkiem. Walizka stoi obok drzwi.=
podroze=podroze_zdania1=There is a <helicopter> in the sky.==Na niebie jest helikopter.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Na niebie jest helikopter. helicopter – helikopter.=Na niebie jest balon. Na niebie leci helikopter.=
podroze=podroze_zdania1=The boy has got a big <backpack>.==Chłopiec ma duży plecak.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Chłopiec ma duży plecak. backpack – plecak.=Chłopiec ma dużą walizkę. Chłopiec ma plecak.=
podroze=podroze_zdania2=Show me your <ticket>, please.==Pokaż mi, proszę, swój bilet.=z2_01.png=0=z2_01.wav==2=0==0=Pokaż mi, proszę, bilet. ticket – bilet.==
podroze=podroze_zdania2=Let's look at the <map>.==Popatrzmy na mapę.=z2_02.png=0=z2_02.wav==2=0==0=Popatrzmy na mapę. map – mapa.==
podroze=podroze_zdania2=We are going by <car>.==Jedziemy samochodem.=z2_03.png=0=z2_03.wav==2=0=z2_03a.png=0=Jedziemy samochodem. by car – samochodem.==
podroze=podroze_zdania2=I'm waiting at the bus <stop>.==Czekam na przystanku autobusowym.=z2_04.png=0=z2_04.wav==2=0==0=Czekam na przystanku. bus stop – przystanek autobusowy.==
podroze=podroze_zdania2=The <tram> is red.==Tramwaj jest czerwony.=z2_05.png=0=z2_05.wav==2=0==0=Tramwaj jest czerwony. tram – tramwaj.==
podroze=podroze_zdania2=He rides a <motorbike>.==On jeździ motocyklem.=z2_06.png=0=z2_06.wav==2=0==0=On jeździ motocyklem. motorbike – motocykl.==
podroze=podroze_zdania2=Our <hotel> is near the beach.==Nasz hotel jest blisko plaży.=z2_07.png=0=z2_07.wav==2=0==0=Nasz hotel jest blisko plaży. near – blisko.==
podroze=podroze_zdania2=The <boat> is small.==Łódka jest mała.=z2_08.png=0=z2_08.wav==2=0=z2_08a.png=0=Łódka jest mała. boat – łódka.==
podroze=podroze_zdania3=The plane is <taking> off.==Samolot startuje.=z3_01.png=0=z3_01.wav==3=0=z3_01a.png/z3_01b.png=0=Samolot startuje. take off – startować.==
podroze=podroze_zdania3=The plane is <landing>.==Samolot ląduje.=z3_02.png=0=z3_02.wav==3=0=z3_02a.png/z3_02b.png=0=Samolot ląduje. land – lądować.==
podroze=podroze_zdania3=Don't forget your <suitcase>.==Nie zapomnij walizki.=z3_03.png=0=z3_03.wav==3=0==0=Nie zapomnij walizki. forget – zapominać.==
podroze=podroze_zdania3=The <underground> is fast.==Metro jest szybkie.=z3_04.png=0=z3_04.wav==3=0==0=Metro jest szybkie. underground – metro (w Londynie).==
podroze=podroze_zdania3=I need a <compass> in the forest.==W lesie potrzebuję kompasu.=z3_05.png=0=z3_05.wav==3=0==0=W lesie potrzebuję kompasu. compass – kompas.==
podroze=podroze_zdania3=We sleep in a <tent>.==Śpimy w namiocie.=z3_06.png=0=z3_06.wav==3=0==0=Śpimy w namiocie. tent – namiot.==
podroze=podroze_zdania3=The ship has got an <anchor>.==Statek ma kotwicę.=z3_07.png=0=z3_07.wav==3=0==0=Statek ma kotwicę. anchor – kotwica.==
podroze=podroze_zdania3=Let's take a <taxi>.==Weźmy taksówkę.=z3_08.png=0=z3_08.wav==3=0==0=Weźmy taksówkę. take a taxi – pojechać taksówką.==
podroze=podroze_zdania4=We are flying to <Spain>.==Lecimy do Hiszpanii.=z4_01.png=0=z4_01.wav==4=0==0=Lecimy do Hiszpanii. Nazwy krajów piszemy wielką literą.==
podroze=podroze_zdania4=My cousin lives in <Italy>.==Mój kuzyn mieszka we Włoszech.=z4_02.png=0=z4_02.wav==4=0==0=Mój kuzyn mieszka we Włoszech. cousin – kuzyn, kuzynka.==
podroze=podroze_zdania4=I would like to visit <France>.==Chciałbym odwiedzić Francję.=z4_03.png=0=z4_03.wav==4=0==0=Chciałbym odwiedzić Francję. visit – odwiedzić.==
podroze=podroze_zdania4=We are going to <Germany>.==Jedziemy do Niemiec.=z4_04.png=0=z4_04.wav==4=0==0=Jedziemy do Niemiec. Germany – Niemcy.==
podroze=podroze_zdania4=<Poland> is my country.==Polska to mój kraj.=z4_05.png=0=z4_05.wav==4=0==0=Polska to mój kraj. country – kraj.==
podroze=podroze_zdania4=Our friends live in <Greece>.==Nasi przyjaciele mieszkają w Grecji.=z4_06.png=0=z4_06.wav==4=0==0=Nasi przyjaciele mieszkają w Grecji. Greece – Grecja.==
podroze=podroze_zdania4=My aunt works in <America>.==Moja ciocia pracuje w Ameryce.=z4_07.png=0=z4_07.wav==4=0==0=Moja ciocia pracuje w Ameryce. aunt – ciocia.==
podroze=podroze_zdania4=London is in <Britain>.==Londyn leży w Wielkiej Brytanii.=z4_08.png=0=z4_08.wav==4=0=z4_08a.png/z4_08b.png/z4_08c.png=0=Londyn leży w Wielkiej Brytanii. Britain – Wielka Brytania.==
podroze=podroze_zdania4=I want to go to <Japan>.==Chcę pojechać do Japonii.=z4_09.png=0=z4_09.wav==4=0==0=Chcę pojechać do Japonii. want – chcieć.==
podroze=podroze_zdania4=We are travelling to <Ireland>.==Podróżujemy do Irlandii.=z4_10.png=0=z4_10.wav==4=0==0=Podróżujemy do Irlandii. travel – podróżować.==

// -------------------------------------------- czlowiek_i_otoczenie
czlowiek_i_otoczenie=czlowiek_slowka=baby==niemowlę=baby.png=0=baby.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=boy==chłopiec=boy.png=0=boy.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=girl==dziewczynka=girl.png=0=girl.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=man==mężczyzna=man.png=0=man.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=woman==kobieta=woman.png=0=woman.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=grandfather==dziadek=grandfather.png=0=grandfather.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=grandmother==babcia=grandmother.png=0=grandmother.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=family==rodzina=family.png=0=family.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=eye==oko=eye.png=0=eye.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=ear==ucho=ear.png=0=ear.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=nose==nos=nose.png=0=nose.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=mouth==usta=mouth.png=0=mouth.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=hand==ręka=hand.png=0=hand.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=foot==stopa=foot.png=0=foot.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=tooth==ząb=tooth.png=0=tooth.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=leg==noga=leg.png=0=leg.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_zdania1=This is my <grandmother>.==To moja babcia.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=To moja babcia. grandmother – babcia.=To mój dziadek. Na obrazku jest babcia.=
czlowiek_i_otoczenie=czlowiek_zdania1=The baby is <sleeping>.==Dziecko śpi.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Niemowlę śpi. sleep – spać.=Dziecko płacze. Dziecko śpi.=
czlowiek_i_otoczenie=czlowiek_zdania1=The boy has got a <dog>.==Chłopiec ma psa.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Chłopiec ma psa. has got – ma.=Chłopiec ma kota. Chłopiec ma psa.=
czlowiek_i_otoczenie=czlowiek_zdania1=My sister has got <red> hair.==Moja siostra ma rude włosy.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Moja siostra ma rude włosy. red hair – rude włosy.=Moja siostra ma czarne włosy. Ona ma rude włosy.=
czlowiek_i_otoczenie=czlowiek_zdania1=Grandpa has got white <hair>.==Dziadek ma siwe włosy.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Dziadek ma siwe włosy. hair – włosy (bez -s!).=Dziadek ma czarne włosy. Dziadek ma siwe włosy.=
czlowiek_i_otoczenie=czlowiek_zdania1=The girl is <happy>.==Dziewczynka jest szczęśliwa.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Dziewczynka jest szczęśliwa. happy – szczęśliwy, wesoły.=Dziewczynka jest smutna. Ona się uśmiecha.=
czlowiek_i_otoczenie=czlowiek_zdania1=There are four people in my <family>.==W mojej rodzinie są cztery osoby.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=W mojej rodzinie są cztery osoby. people – ludzie, osoby.=W mojej rodzinie są trzy osoby. Policz: są cztery.=
czlowiek_i_otoczenie=czlowiek_zdania1=My father is <cooking>.==Mój tata gotuje.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Mój tata gotuje. father – ojciec.=Mój tata czyta. Tata gotuje.=
czlowiek_i_otoczenie=czlowiek_zdania2=I see with my <eyes>.==Widzę oczami.=z2_01.png=0=z2_01.wav==2=0=z2_01a.png=0=Widzę oczami. eye – oko, eyes – oczy.==
czlowiek_i_otoczenie=czlowiek_zdania2=I hear with my <ears>.==Słyszę uszami.=z2_02.png=0=z2_02.wav==2=0==0=Słyszę uszami. ear – ucho.==
czlowiek_i_otoczenie=czlowiek_zdania2=I smell with my <nose>.==Wącham nosem.=z2_03.png=0=z2_03.wav==2=0==0=Czuję zapach nosem. smell – wąchać, czuć zapach.==
czlowiek_i_otoczenie=czlowiek_zdania2=I eat with my <mouth>.==Jem ustami.=z2_04.png=0=z2_04.wav==2=0==0=Jem ustami. mouth – usta.==
czlowiek_i_otoczenie=czlowiek_zdania2=I write with my <hand>.==Piszę ręką.=z2_05.png=0=z2_05.wav==2=0==0=Piszę ręką. write – pisać.==
czlowiek_i_otoczenie=czlowiek_zdania2=I kick the ball with my <foot>.==Kopię piłkę stopą.=z2_06.png=0=z2_06.wav==2=0==0=Kopię piłkę stopą. kick – kopać.==
czlowiek_i_otoczenie=czlowiek_zdania2=Brush your <teeth> every day.==Myj zęby codziennie.=z2_07.png=0=z2_07.wav==2=0==0=Myj zęby codziennie. tooth – ząb, teeth – zęby.==
czlowiek_i_otoczenie=czlowiek_zdania2=My <leg> hurts.==Boli mnie noga.=z2_08.png=0=z2_08.wav==2=0==0=Boli mnie noga. hurt – boleć.==
czlowiek_i_otoczenie=czlowiek_zdania3=I am <happy> today.==Dziś jestem szczęśliwy.=z3_01.png=0=z3_01.wav==3=0=z3_01a.png/z3_01b.png=0=Dziś jestem szczęśliwy. today – dzisiaj.==
czlowiek_i_otoczenie=czlowiek_zdania3=He is <sad>.==On jest smutny.=z3_02.png=0=z3_02.wav==3=0==0=On jest smutny. sad – smutny.==
czlowiek_i_otoczenie=czlowiek_zdania3=She is <angry>.==Ona jest zła.=z3_03.png=0=z3_03.wav==3=0==0=Ona jest zła. angry – zły, rozgniewany.==
czlowiek_i_otoczenie=czlowiek_zdania3=The baby is <tired>.==Dziecko jest zmęczone.=z3_04.png=0=z3_04.wav==3=0=z3_04a.png/z3_04b.png=0=Dziecko jest zmęczone. tired – zmęczony.==
czlowiek_i_otoczenie=czlowiek_zdania3=I am <hungry>.==Jestem głodny.=z3_05.png=0=z3_05.wav==3=0==0=Jestem głodny. hungry – głodny.==
czlowiek_i_otoczenie=czlowiek_zdania3=He is <cold>.==Jest mu zimno.=z3_06.png=0=z3_06.wav==3=0==0=Jest mu zimno. cold – zimny; I am cold – jest mi zimno.==
czlowiek_i_otoczenie=czlowiek_zdania3=She is <hot>.==Jest jej gorąco.=z3_07.png=0=z3_07.wav==3=0==0=Jest jej gorąco. hot – gorący; I am hot – jest mi gorąco.==
czlowiek_i_otoczenie=czlowiek_zdania3=I am <ill>.==Jestem chory.=z3_08.png=0=z3_08.wav==3=0==0=Jestem chory. ill – chory.==
czlowiek_i_otoczenie=czlowiek_zdania4=She is wearing a <dress>.==Ona ma na sobie sukienkę.=z4_01.png=0=z4_01.wav==4=0==0=Ona ma na sobie sukienkę. wear – mieć na sobie.==
czlowiek_i_otoczenie=czlowiek_zdania4=He is wearing a <T-shirt>.==On ma na sobie koszulkę.=z4_02.png=0=z4_02.wav==4=0==0=On ma na sobie koszulkę. T-shirt – koszulka.==
czlowiek_i_otoczenie=czlowiek_zdania4=My <jeans> are blue.==Moje dżinsy są niebieskie.=z4_03.png=0=z4_03.wav==4=0==0=Moje dżinsy są niebieskie. jeans – dżinsy.==
czlowiek_i_otoczenie=czlowiek_zdania4=Put on your <coat>, it is cold.==Włóż płaszcz, jest zimno.=z4_04.png=0=z4_04.wav==4=0==0=Włóż płaszcz, jest zimno. put on – włożyć.==
czlowiek_i_otoczenie=czlowiek_zdania4=I need new <shoes>.==Potrzebuję nowych butów.=z4_05.png=0=z4_05.wav==4=0=z4_05a.png/z4_05b.png/z4_05c.png=0=Potrzebuję nowych butów. shoe – but, shoes – buty.==
czlowiek_i_otoczenie=czlowiek_zdania4=Where is my <cap>?==Gdzie jest moja czapka?=z4_06.png=0=z4_06.wav==4=0==0=Gdzie jest moja czapka z daszkiem? cap – czapka z daszkiem.==
czlowiek_i_otoczenie=czlowiek_zdania4=Grandma has got a warm <scarf>.==Babcia ma ciepły szalik.=z4_07.png=0=z4_07.wav==4=0==0=Babcia ma ciepły szalik. scarf – szalik.==
czlowiek_i_otoczenie=czlowiek_zdania4=I wear <gloves> in winter.==Zimą noszę rękawiczki.=z4_08.png=0=z4_08.wav==4=0==0=Zimą noszę rękawiczki. glove – rękawiczka.==
czlowiek_i_otoczenie=czlowiek_zdania4=These <socks> are red.==Te skarpetki są czerwone.=z4_09.png=0=z4_09.wav==4=0==0=Te skarpetki są czerwone. sock – skarpetka.==
czlowiek_i_otoczenie=czlowiek_zdania4=My dad wears a <tie> to work.==Mój tata nosi krawat do pracy.=z4_10.png=0=z4_10.wav==4=0==0=Mój tata nosi do pracy krawat. tie – krawat.==

// ----------------------------------------------------------- sport
sport=sport_slowka=football==piłka nożna=football.png=0=football.wav==30=0==0===
sport=sport_slowka=basketball==koszykówka=basketball.png=0=basketball.wav==30=0==0===
sport=sport_slowka=tennis==tenis=tennis.png=0=tennis.wav==30=0==0===
sport=sport_slowka=volleyball==siatkówka=volleyball.png=0=volleyball.wav==30=0==0===
sport=sport_slowka=swimming==pływanie=swimming.png=0=swimming.wav==30=0==0===
sport=sport_slowka=skiing==narciarstwo=skiing.png=0=skiing.wav==30=0==0===
sport=sport_slowka=cycling==kolarstwo=cycling.png=0=cycling.wav==30=0==0===
sport=sport_slowka=running==bieganie=running.png=0=running.wav==30=0==0===
sport=sport_slowka=boxing==boks=boxing.png=0=boxing.wav==30=0==0===
sport=sport_slowka=golf==golf=golf.png=0=golf.wav==30=0==0===
sport=sport_slowka=skating==łyżwiarstwo=skating.png=0=skating.wav==30=0==0===
sport=sport_slowka=surfing==surfing=surfing.png=0=surfing.wav==30=0==0===
sport=sport_slowka=climbing==wspinaczka=climbing.png=0=climbing.wav==30=0==0===
sport=sport_slowka=medal==medal=medal.png=0=medal.wav==30=0==0===
sport=sport_slowka=cup==puchar=cup.png=0=cup.wav==30=0==0===
sport=sport_slowka=table tennis==tenis stołowy=table_tennis.png=0=table_tennis.wav==30=0==0===
sport=sport_zdania1=The boy is playing <football>.==Chłopiec gra w piłkę nożną.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Chłopiec gra w piłkę nożną. play football – grać w piłkę.=Chłopiec gra w tenisa. Na obrazku jest piłka nożna.=
sport=sport_zdania1=She is <swimming> in the pool.==Ona pływa w basenie.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Ona pływa w basenie. pool – basen.=Ona biega w parku. Ona pływa.=
sport=sport_zdania1=The man is <skiing>.==Mężczyzna jeździ na nartach.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Mężczyzna jeździ na nartach. ski – jeździć na nartach.=Mężczyzna jeździ na łyżwach. On jeździ na nartach.=
sport=sport_zdania1=The player has got a <medal>.==Zawodnik ma medal.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Zawodnik ma medal. player – zawodnik.=Zawodnik ma puchar. Na obrazku jest medal.=
sport=sport_zdania1=They are playing <basketball>.==Oni grają w koszykówkę.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Oni grają w koszykówkę. basketball – koszykówka.=Oni grają w siatkówkę. Na obrazku jest koszykówka.=
sport=sport_zdania1=The girl is riding a <bike>.==Dziewczynka jedzie na rowerze.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Dziewczynka jedzie na rowerze. bike – rower.=Dziewczynka jedzie na koniu. Ona jedzie na rowerze.=
sport=sport_zdania1=The ball is in the <goal>.==Piłka jest w bramce.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Piłka jest w bramce. goal – bramka, gol.=Piłka jest na dachu. Piłka jest w bramce.=
sport=sport_zdania1=He is <climbing> a wall.==On wspina się po ścianie.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=On wspina się po ścianie. climb – wspinać się.=On pływa w morzu. On się wspina.=
sport=sport_zdania2=I play <tennis> on Saturdays.==W soboty gram w tenisa.=z2_01.png=0=z2_01.wav==2=0==0=W soboty gram w tenisa. tennis – tenis.==
sport=sport_zdania2=My dad plays <golf>.==Mój tata gra w golfa.=z2_02.png=0=z2_02.wav==2=0=z2_02a.png=0=Mój tata gra w golfa. golf – golf.==
sport=sport_zdania2=We go <skating> in winter.==Zimą chodzimy na łyżwy.=z2_03.png=0=z2_03.wav==2=0==0=Zimą chodzimy na łyżwy. skate – jeździć na łyżwach.==
sport=sport_zdania2=He likes <boxing>.==On lubi boks.=z2_04.png=0=z2_04.wav==2=0==0=On lubi boks. boxing – boks.==
sport=sport_zdania2=She likes <surfing>.==Ona lubi surfować.=z2_05.png=0=z2_05.wav==2=0=z2_05a.png=0=Ona lubi surfing. surf – surfować.==
sport=sport_zdania2=They are <running> a race.==Oni biorą udział w biegu.=z2_06.png=0=z2_06.wav==2=0==0=Oni biegną w wyścigu. race – wyścig.==
sport=sport_zdania2=I play <volleyball> on the beach.==Gram w siatkówkę na plaży.=z2_07.png=0=z2_07.wav==2=0==0=Gram w siatkówkę na plaży. volleyball – siatkówka.==
sport=sport_zdania2=Let's play table <tennis>.==Zagrajmy w tenisa stołowego.=z2_08.png=0=z2_08.wav==2=0==0=Zagrajmy w tenisa stołowego. table tennis – ping-pong.==
sport=sport_zdania3=Where is my <ball>?==Gdzie jest moja piłka?=z3_01.png=0=z3_01.wav==3=0==0=Gdzie jest moja piłka? ball – piłka.==
sport=sport_zdania3=I need my <racket>.==Potrzebuję swojej rakiety.=z3_02.png=0=z3_02.wav==3=0==0=Potrzebuję swojej rakiety. racket – rakieta (do gry).==
sport=sport_zdania3=These are my new <trainers>.==To są moje nowe buty sportowe.=z3_03.png=0=z3_03.wav==3=0==0=To moje nowe buty sportowe. trainers – buty sportowe.==
sport=sport_zdania3=The team won the <cup>.==Drużyna zdobyła puchar.=z3_04.png=0=z3_04.wav==3=0=z3_04a.png/z3_04b.png=0=Drużyna zdobyła puchar. team – drużyna.==
sport=sport_zdania3=He has got a gold <medal>.==On ma złoty medal.=z3_05.png=0=z3_05.wav==3=0=z3_05a.png/z3_05b.png=0=On ma złoty medal. gold – złoty.==
sport=sport_zdania3=Take your <skis>.==Weź swoje narty.=z3_06.png=0=z3_06.wav==3=0==0=Weź swoje narty. ski – narta.==
sport=sport_zdania3=Look at my new <skateboard>.==Popatrz na moją nową deskorolkę.=z3_07.png=0=z3_07.wav==3=0==0=Popatrz na moją nową deskorolkę. skateboard – deskorolka.==
sport=sport_zdania3=I have got a new <bike>.==Mam nowy rower.=z3_08.png=0=z3_08.wav==3=0==0=Mam nowy rower. bike – rower.==
sport=sport_zdania4=The runner is <first>.==Biegacz jest pierwszy.=z4_01.png=0=z4_01.wav==4=0=z4_01a.png/z4_01b.png/z4_01c.png=0=Biegacz jest pierwszy. first – pierwszy.==
sport=sport_zdania4=Our team has got <blue> shirts.==Nasza drużyna ma niebieskie koszulki.=z4_02.png=0=z4_02.wav==4=0==0=Nasza drużyna ma niebieskie koszulki. shirt – koszulka.==
sport=sport_zdania4=The match starts at <three> o'clock.==Mecz zaczyna się o trzeciej.=z4_03.png=0=z4_03.wav==4=0==0=Mecz zaczyna się o trzeciej. match – mecz.==
sport=sport_zdania4=The goalkeeper catches the <ball>.==Bramkarz łapie piłkę.=z4_04.png=0=z4_04.wav==4=0==0=Bramkarz łapie piłkę. goalkeeper – bramkarz.==
sport=sport_zdania4=The <stadium> is full.==Stadion jest pełny.=z4_05.png=0=z4_05.wav==4=0==0=Stadion jest pełny. full – pełny.==
sport=sport_zdania4=She is <diving>.==Ona nurkuje.=z4_06.png=0=z4_06.wav==4=0==0=Ona nurkuje. dive – nurkować.==
sport=sport_zdania4=He is lifting <weights>.==On podnosi ciężary.=z4_07.png=0=z4_07.wav==4=0==0=On podnosi ciężary. weight – ciężar.==
sport=sport_zdania4=The man is riding a <horse>.==Mężczyzna jedzie konno.=z4_08.png=0=z4_08.wav==4=0==0=Mężczyzna jedzie na koniu. horse – koń.==
sport=sport_zdania4=We are <rowing> a boat.==Wiosłujemy w łodzi.=z4_09.png=0=z4_09.wav==4=0==0=Wiosłujemy w łodzi. row – wiosłować.==
sport=sport_zdania4=The skier is going <down> the hill.==Narciarz zjeżdża ze wzgórza.=z4_10.png=0=z4_10.wav==4=0==0=Narciarz zjeżdża ze wzgórza. down – w dół.==

// ----------------------------------------------------------- rozne
rozne=rozne_slowka=sun==słońce=sun.png=0=sun.wav==30=0==0===
rozne=rozne_slowka=rain==deszcz=rain.png=0=rain.wav==30=0==0===
rozne=rozne_slowka=cloud==chmura=cloud.png=0=cloud.wav==30=0==0===
rozne=rozne_slowka=wind==wiatr=wind.png=0=wind.wav==30=0==0===
rozne=rozne_slowka=rainbow==tęcza=rainbow.png=0=rainbow.wav==30=0==0===
rozne=rozne_slowka=umbrella==parasol=umbrella.png=0=umbrella.wav==30=0==0===
rozne=rozne_slowka=star==gwiazda=star.png=0=star.wav==30=0==0===
rozne=rozne_slowka=flower==kwiat=flower.png=0=flower.wav==30=0==0===
rozne=rozne_slowka=tree==drzewo=tree.png=0=tree.wav==30=0==0===
rozne=rozne_slowka=present==prezent=present.png=0=present.wav==30=0==0===
rozne=rozne_slowka=balloon==balon=balloon.png=0=balloon.wav==30=0==0===
rozne=rozne_slowka=letter==list=letter.png=0=letter.wav==30=0==0===
rozne=rozne_slowka=phone==telefon=phone.png=0=phone.wav==30=0==0===
rozne=rozne_slowka=money==pieniądze=money.png=0=money.wav==30=0==0===
rozne=rozne_slowka=glasses==okulary=glasses.png=0=glasses.wav==30=0==0===
rozne=rozne_slowka=hat==kapelusz=hat.png=0=hat.wav==30=0==0===
rozne=rozne_zdania1=It is <sunny> today.==Dziś jest słonecznie.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Dziś jest słonecznie. sunny – słoneczny.=Dziś jest deszczowo. Świeci słońce.=
rozne=rozne_zdania1=It is <raining>.==Pada deszcz.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Pada deszcz. rain – padać (o deszczu).=Pada śnieg. Na obrazku pada deszcz.=
rozne=rozne_zdania1=There is a <rainbow> in the sky.==Na niebie jest tęcza.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Na niebie jest tęcza. rainbow – tęcza.=Na niebie jest samolot. Na niebie jest tęcza.=
rozne=rozne_zdania1=It is <windy> today.==Dziś jest wietrznie.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Dziś jest wietrznie. windy – wietrzny.=Dziś jest gorąco. Na obrazku wieje wiatr.=
rozne=rozne_zdania1=It is <snowing>.==Pada śnieg.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Pada śnieg. snow – padać (o śniegu).=Pada deszcz. Na obrazku pada śnieg.=
rozne=rozne_zdania1=There is a <storm>.==Jest burza.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Jest burza. storm – burza.=Jest tęcza. Na obrazku jest burza.=
rozne=rozne_zdania1=There are many <clouds>.==Jest dużo chmur.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Jest dużo chmur. cloud – chmura.=Jest dużo gwiazd. Na niebie są chmury.=
rozne=rozne_zdania1=It is <foggy> this morning.==Dziś rano jest mgła.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Dziś rano jest mgliście. fog – mgła, foggy – mglisty.=Dziś rano jest słonecznie. Na obrazku jest mgła.=
rozne=rozne_zdania2=Here is a <present> for you.==Oto prezent dla ciebie.=z2_01.png=0=z2_01.wav==2=0=z2_01a.png=0=Oto prezent dla ciebie. present – prezent.==
rozne=rozne_zdania2=Look at the red <balloon>.==Popatrz na czerwony balon.=z2_02.png=0=z2_02.wav==2=0=z2_02a.png=0=Popatrz na czerwony balon. balloon – balon.==
rozne=rozne_zdania2=Let's light the <candles>.==Zapalmy świeczki.=z2_03.png=0=z2_03.wav==2=0==0=Zapalmy świeczki. light – zapalać, candle – świeczka.==
rozne=rozne_zdania2=Happy <birthday>!==Wszystkiego najlepszego z okazji urodzin!=z2_04.png=0=z2_04.wav==2=0==0=Wszystkiego najlepszego z okazji urodzin! birthday – urodziny.==
rozne=rozne_zdania2=I got a <card> from Grandma.==Dostałem kartkę od babci.=z2_05.png=0=z2_05.wav==2=0==0=Dostałem kartkę od babci. card – kartka.==
rozne=rozne_zdania2=We play <music> at the party.==Na przyjęciu puszczamy muzykę.=z2_06.png=0=z2_06.wav==2=0==0=Na przyjęciu puszczamy muzykę. party – przyjęcie.==
rozne=rozne_zdania2=Can I have some <lemonade>?==Czy mogę dostać lemoniady?=z2_07.png=0=z2_07.wav==2=0==0=Czy mogę dostać lemoniady? lemonade – lemoniada.==
rozne=rozne_zdania2=We are dancing at the <party>.==Tańczymy na przyjęciu.=z2_08.png=0=z2_08.wav==2=0==0=Tańczymy na przyjęciu. dance – tańczyć.==
rozne=rozne_zdania3=Where are my <glasses>?==Gdzie są moje okulary?=z3_01.png=0=z3_01.wav==3=0=z3_01a.png/z3_01b.png=0=Gdzie są moje okulary? glasses – okulary.==
rozne=rozne_zdania3=My <phone> is ringing.==Dzwoni mój telefon.=z3_02.png=0=z3_02.wav==3=0==0=Dzwoni mój telefon. ring – dzwonić.==
rozne=rozne_zdania3=I have got a <letter> for you.==Mam dla ciebie list.=z3_03.png=0=z3_03.wav==3=0==0=Mam dla ciebie list. letter – list.==
rozne=rozne_zdania3=Take an <umbrella>.==Weź parasol.=z3_04.png=0=z3_04.wav==3=0==0=Weź parasol. umbrella – parasol.==
rozne=rozne_zdania3=This <hat> is very old.==Ten kapelusz jest bardzo stary.=z3_05.png=0=z3_05.wav==3=0=z3_05a.png/z3_05b.png=0=Ten kapelusz jest bardzo stary. hat – kapelusz.==
rozne=rozne_zdania3=There is some <money> in my bag.==W mojej torbie są pieniądze.=z3_06.png=0=z3_06.wav==3=0==0=W mojej torbie są pieniądze. money – pieniądze (po angielsku liczba pojedyncza).==
rozne=rozne_zdania3=I read the <newspaper> every day.==Codziennie czytam gazetę.=z3_07.png=0=z3_07.wav==3=0==0=Codziennie czytam gazetę. newspaper – gazeta.==
rozne=rozne_zdania3=The <key> is on the table.==Klucz leży na stole.=z3_08.png=0=z3_08.wav==3=0==0=Klucz leży na stole. key – klucz.==
rozne=rozne_zdania4=The apple is <red>.==Jabłko jest czerwone.=z4_01.png=0=z4_01.wav==4=0==0=Jabłko jest czerwone. red – czerwony.==
rozne=rozne_zdania4=The sky is <blue>.==Niebo jest niebieskie.=z4_02.png=0=z4_02.wav==4=0==0=Niebo jest niebieskie. blue – niebieski.==
rozne=rozne_zdania4=The leaf is <green>.==Liść jest zielony.=z4_03.png=0=z4_03.wav==4=0==0=Liść jest zielony. green – zielony.==
rozne=rozne_zdania4=The sun is <yellow>.==Słońce jest żółte.=z4_04.png=0=z4_04.wav==4=0==0=Słońce jest żółte. yellow – żółty.==
rozne=rozne_zdania4=The orange is <orange>.==Pomarańcza jest pomarańczowa.=z4_05.png=0=z4_05.wav==4=0==0=Pomarańcza jest pomarańczowa. orange – pomarańcza oraz pomarańczowy.==
rozne=rozne_zdania4=The <circle> is blue.==Koło jest niebieskie.=z4_06.png=0=z4_06.wav==4=0=z4_06a.png/z4_06b.png/z4_06c.png=0=Koło jest niebieskie. circle – koło.==
rozne=rozne_zdania4=The <square> is red.==Kwadrat jest czerwony.=z4_07.png=0=z4_07.wav==4=0=z4_07a.png/z4_07b.png/z4_07c.png=0=Kwadrat jest czerwony. square – kwadrat.==
rozne=rozne_zdania4=The <triangle> is red.==Trójkąt jest czerwony.=z4_08.png=0=z4_08.wav==4=0==0=Trójkąt jest czerwony. triangle – trójkąt.==
rozne=rozne_zdania4=The <star> is gold.==Gwiazda jest złota.=z4_09.png=0=z4_09.wav==4=0==0=Gwiazda jest złota. gold – złoty.==
rozne=rozne_zdania4=The <heart> is pink.==Serce jest różowe.=z4_10.png=0=z4_10.wav==4=0==0=Serce jest różowe. heart – serce, pink – różowy.==
