// Lumora – s³ówka i zdania.
// temat=grupa=angielski=(pole 4)=polski=obrazek=(pole 7)=dŸwiêk=drugi dŸwiêk=kod lekcji=
// (pole 11)=obrazki do wyboru (a.png/b.png)=(pole 13)=objaœnienie=objaœnienie drugiego zdania=
// W zdaniach luki do uzupe³niania s¹ w nawiasach < >.

// ------------------------------------------------------ czas_wolny
czas_wolny=wolny_slowka=book==ksi¹¿ka=book.png=0=book.wav==30=0==0===
czas_wolny=wolny_slowka=guitar==gitara=guitar.png=0=guitar.wav==30=0==0===
czas_wolny=wolny_slowka=piano==pianino=piano.png=0=piano.wav==30=0==0===
czas_wolny=wolny_slowka=drum==bêben=drum.png=0=drum.wav==30=0==0===
czas_wolny=wolny_slowka=camera==aparat fotograficzny=camera.png=0=camera.wav==30=0==0===
czas_wolny=wolny_slowka=paintbrush==pêdzel=paintbrush.png=0=paintbrush.wav==30=0==0===
czas_wolny=wolny_slowka=chess==szachy=chess.png=0=chess.wav==30=0==0===
czas_wolny=wolny_slowka=puzzle==uk³adanka=puzzle.png=0=puzzle.wav==30=0==0===
czas_wolny=wolny_slowka=video game==gra wideo=video_game.png=0=video_game.wav==30=0==0===
czas_wolny=wolny_slowka=television==telewizor=television.png=0=television.wav==30=0==0===
czas_wolny=wolny_slowka=film==film=film.png=0=film.wav==30=0==0===
czas_wolny=wolny_slowka=kite==latawiec=kite.png=0=kite.wav==30=0==0===
czas_wolny=wolny_slowka=tent==namiot=tent.png=0=tent.wav==30=0==0===
czas_wolny=wolny_slowka=fishing rod==wêdka=fishing_rod.png=0=fishing_rod.wav==30=0==0===
czas_wolny=wolny_slowka=headphones==s³uchawki=headphones.png=0=headphones.wav==30=0==0===
czas_wolny=wolny_slowka=dice==kostki do gry=dice.png=0=dice.wav==30=0==0===
czas_wolny=wolny_zdania1=The boy is reading a <book>.==Ch³opiec czyta ksi¹¿kê.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Ch³opiec czyta ksi¹¿kê. is reading – czyta (teraz).=Ch³opiec ogl¹da telewizjê. Na obrazku ch³opiec czyta ksi¹¿kê.=
czas_wolny=wolny_zdania1=She is playing the <guitar>.==Ona gra na gitarze.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Ona gra na gitarze. Mówimy „play the guitar” – przed instrumentem stawiamy „the”.=Ona gra na pianinie. Na obrazku jest gitara, a nie pianino.=
czas_wolny=wolny_zdania1=There is a <kite> in the sky.==Na niebie jest latawiec.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Na niebie jest latawiec. sky – niebo.=Na niebie jest samolot. Na obrazku jest latawiec.=
czas_wolny=wolny_zdania1=Two friends are playing <chess>.==Dwoje przyjació³ gra w szachy.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Dwoje przyjació³ gra w szachy. play chess – graæ w szachy (bez „the”).=Dwoje przyjació³ gra w karty. Na obrazku graj¹ w szachy.=
czas_wolny=wolny_zdania1=The tent is under a <tree>.==Namiot stoi pod drzewem.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Namiot stoi pod drzewem. under – pod, tree – drzewo.=Namiot stoi na pla¿y. Na obrazku namiot stoi w parku pod drzewem.=
czas_wolny=wolny_zdania1=Grandpa likes <fishing>.==Dziadek lubi ³owiæ ryby.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Dziadek lubi wêdkowaæ. Po „like” czynnoœæ ma koñcówkê -ing: fishing, swimming.=Dziadek lubi p³ywaæ. Na obrazku dziadek ³owi ryby.=
czas_wolny=wolny_zdania1=The children are watching <television>.==Dzieci ogl¹daj¹ telewizjê.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Dzieci ogl¹daj¹ telewizjê. watch – ogl¹daæ.=Dzieci graj¹ w pi³kê. Na obrazku dzieci ogl¹daj¹ telewizjê.=
czas_wolny=wolny_zdania1=My sister is listening to <music>.==Moja siostra s³ucha muzyki.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Moja siostra s³ucha muzyki. listen to – s³uchaæ (czegoœ).=Moja siostra czyta ksi¹¿kê. Na obrazku siostra s³ucha muzyki.=
czas_wolny=wolny_zdania2=I like <painting> pictures.==Lubiê malowaæ obrazy.=z2_01.png=0=z2_01.wav==2=0==0=Lubiê malowaæ obrazy. paint – malowaæ, picture – obraz.=
czas_wolny=wolny_zdania2=He is taking a <photo>.==On robi zdjêcie.=z2_02.png=0=z2_02.wav==2=0==0=On robi zdjêcie. take a photo – zrobiæ zdjêcie.=
czas_wolny=wolny_zdania2=We are doing a <puzzle>.==Uk³adamy puzzle.=z2_03.png=0=z2_03.wav==2=0==0=Uk³adamy puzzle. do a puzzle – uk³adaæ uk³adankê.=
czas_wolny=wolny_zdania2=They are playing a <video> game.==Oni graj¹ w grê wideo.=z2_04.png=0=z2_04.wav==2=0==0=Oni graj¹ w grê wideo. video game – gra wideo.=
czas_wolny=wolny_zdania2=She can play the <piano>.==Ona umie graæ na pianinie.=z2_05.png=0=z2_05.wav==2=0=z2_05a.png=0=Ona umie graæ na pianinie. can – umieæ, potrafiæ.=
czas_wolny=wolny_zdania2=Let's fly a <kite>!==Puœæmy latawiec!=z2_06.png=0=z2_06.wav==2=0==0=Puœæmy latawiec! Let's – zróbmy coœ razem.=
czas_wolny=wolny_zdania2=My brother plays the <drums>.==Mój brat gra na perkusji.=z2_07.png=0=z2_07.wav==2=0=z2_07a.png=0=Mój brat gra na perkusji. drums – perkusja, bêbny.=
czas_wolny=wolny_zdania2=We go <camping> in summer.==Latem jeŸdzimy pod namiot.=z2_08.png=0=z2_08.wav==2=0==0=Latem jeŸdzimy pod namiot. go camping – biwakowaæ.=
czas_wolny=wolny_zdania3=This is my new <guitar>.==To moja nowa gitara.=z3_01.png=0=z3_01.wav==3=0==0=To moja nowa gitara. new – nowy.=
czas_wolny=wolny_zdania3=I can hear a <trumpet>.==S³yszê tr¹bkê.=z3_02.png=0=z3_02.wav==3=0==0=S³yszê tr¹bkê. hear – s³yszeæ.=
czas_wolny=wolny_zdania3=The <violin> is brown.==Skrzypce s¹ br¹zowe.=z3_03.png=0=z3_03.wav==3=0==0=Skrzypce s¹ br¹zowe. violin – skrzypce (po angielsku to jeden instrument: the violin is).=
czas_wolny=wolny_zdania3=There are two <dice> on the table.==Na stole s¹ dwie kostki do gry.=z3_04.png=0=z3_04.wav==3=0=z3_04a.png/z3_04b.png=0=Na stole s¹ dwie kostki do gry. one die – two dice.=
czas_wolny=wolny_zdania3=We are eating <popcorn> at the cinema.==Jemy popcorn w kinie.=z3_05.png=0=z3_05.wav==3=0==0=Jemy popcorn w kinie. cinema – kino.=
czas_wolny=wolny_zdania3=Let's go to the <theatre>.==ChodŸmy do teatru.=z3_06.png=0=z3_06.wav==3=0==0=ChodŸmy do teatru. theatre – teatr.=
czas_wolny=wolny_zdania3=He is singing into a <microphone>.==On œpiewa do mikrofonu.=z3_07.png=0=z3_07.wav==3=0==0=On œpiewa do mikrofonu. sing – œpiewaæ.=
czas_wolny=wolny_zdania3=Look at my new <headphones>.==Popatrz na moje nowe s³uchawki.=z3_08.png=0=z3_08.wav==3=0==0=Popatrz na moje nowe s³uchawki. look at – patrzeæ na.=
czas_wolny=wolny_zdania4=On Saturday I go <swimming>.==W sobotê chodzê na basen.=z4_01.png=0=z4_01.wav==4=0=z4_01a.png/z4_01b.png/z4_01c.png=0=W sobotê chodzê p³ywaæ. go swimming – iœæ pop³ywaæ.=
czas_wolny=wolny_zdania4=On Sunday we go to the <zoo>.==W niedzielê idziemy do zoo.=z4_02.png=0=z4_02.wav==4=0==0=W niedzielê idziemy do zoo. Sunday – niedziela.=
czas_wolny=wolny_zdania4=I ride my <bike> in the park.==Je¿d¿ê na rowerze w parku.=z4_03.png=0=z4_03.wav==4=0==0=Je¿d¿ê na rowerze w parku. ride a bike – jeŸdziæ na rowerze.=
czas_wolny=wolny_zdania4=My friends and I play <football>.==Gram z przyjació³mi w pi³kê no¿n¹.=z4_04.png=0=z4_04.wav==4=0==0=Gram z przyjació³mi w pi³kê no¿n¹. football – pi³ka no¿na.=
czas_wolny=wolny_zdania4=In the evening we watch <TV>.==Wieczorem ogl¹damy telewizjê.=z4_05.png=0=z4_05.wav==4=0=z4_05a.png/z4_05b.png/z4_05c.png=0=Wieczorem ogl¹damy telewizjê. TV – skrót od television.=
czas_wolny=wolny_zdania4=I <sleep> late on Sunday.==W niedzielê d³ugo œpiê.=z4_06.png=0=z4_06.wav==4=0==0=W niedzielê œpiê d³ugo. late – póŸno.=
czas_wolny=wolny_zdania4=Mum is reading a <newspaper>.==Mama czyta gazetê.=z4_07.png=0=z4_07.wav==4=0==0=Mama czyta gazetê. newspaper – gazeta.=
czas_wolny=wolny_zdania4=We have a <picnic> in the park.==Mamy piknik w parku.=z4_08.png=0=z4_08.wav==4=0==0=Mamy piknik w parku. picnic – piknik.=
czas_wolny=wolny_zdania4=My sister goes <shopping> on Saturday.==Moja siostra chodzi na zakupy w sobotê.=z4_09.png=0=z4_09.wav==4=0==0=Moja siostra chodzi na zakupy w sobotê. go shopping – iœæ na zakupy.=
czas_wolny=wolny_zdania4=We go to a <concert> on Friday.==W pi¹tek idziemy na koncert.=z4_10.png=0=z4_10.wav==4=0==0=W pi¹tek idziemy na koncert. Friday – pi¹tek.=

// ---------------------------------------------------------- liczby
liczby=liczby_slowka=zero==zero=zero.png=0=zero.wav==30=0==0===
liczby=liczby_slowka=one==jeden=one.png=0=one.wav==30=0==0===
liczby=liczby_slowka=two==dwa=two.png=0=two.wav==30=0==0===
liczby=liczby_slowka=three==trzy=three.png=0=three.wav==30=0==0===
liczby=liczby_slowka=four==cztery=four.png=0=four.wav==30=0==0===
liczby=liczby_slowka=five==piêæ=five.png=0=five.wav==30=0==0===
liczby=liczby_slowka=six==szeœæ=six.png=0=six.wav==30=0==0===
liczby=liczby_slowka=seven==siedem=seven.png=0=seven.wav==30=0==0===
liczby=liczby_slowka=eight==osiem=eight.png=0=eight.wav==30=0==0===
liczby=liczby_slowka=nine==dziewiêæ=nine.png=0=nine.wav==30=0==0===
liczby=liczby_slowka=ten==dziesiêæ=ten.png=0=ten.wav==30=0==0===
liczby=liczby_slowka=eleven==jedenaœcie=eleven.png=0=eleven.wav==30=0==0===
liczby=liczby_slowka=twelve==dwanaœcie=twelve.png=0=twelve.wav==30=0==0===
liczby=liczby_slowka=twenty==dwadzieœcia=twenty.png=0=twenty.wav==30=0==0===
liczby=liczby_slowka=fifty==piêædziesi¹t=fifty.png=0=fifty.wav==30=0==0===
liczby=liczby_slowka=hundred==sto=hundred.png=0=hundred.wav==30=0==0===
liczby=liczby_zdania1=There are <three> cats.==S¹ trzy koty.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=S¹ trzy koty. three – trzy; cat – cats.=S¹ cztery koty. Policz jeszcze raz: koty s¹ trzy.=
liczby=liczby_zdania1=I can see two <birds>.==Widzê dwa ptaki.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Widzê dwa ptaki. I can see – widzê.=Widzê dwa samoloty. Na obrazku s¹ ptaki, nie samoloty.=
liczby=liczby_zdania1=There are <five> apples on the table.==Na stole jest piêæ jab³ek.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Na stole jest piêæ jab³ek. five – piêæ.=Na stole jest szeœæ jab³ek. Jab³ek jest piêæ.=
liczby=liczby_zdania1=This bus is number <ten>.==To autobus numer dziesiêæ.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=To autobus numer dziesiêæ. number – numer.=To autobus numer dwanaœcie. Na autobusie jest liczba dziesiêæ.=
liczby=liczby_zdania1=There is <one> big star in the sky.==Na niebie jest jedna du¿a gwiazda.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Na niebie jest jedna du¿a gwiazda. one – jeden, jedna.=Na niebie jest siedem gwiazd. Na obrazku jest tylko jedna gwiazda.=
liczby=liczby_zdania1=I have got <four> pencils.==Mam cztery o³ówki.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Mam cztery o³ówki. pencil – o³ówek.=Mam cztery ksi¹¿ki. Na obrazku s¹ o³ówki.=
liczby=liczby_zdania1=There are <six> eggs on the table.==Na stole jest szeœæ jajek.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Na stole jest szeœæ jajek. six – szeœæ.=Na stole s¹ dwa jajka. Jajek jest szeœæ.=
liczby=liczby_zdania1=It is <eight> o'clock.==Jest godzina ósma.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Jest ósma. o'clock – pe³na godzina.=Jest trzecia. Zegar pokazuje ósm¹.=
liczby=liczby_zdania2=My brother is <seven> years old.==Mój brat ma siedem lat.=z2_01.png=0=z2_01.wav==2=0=z2_01a.png=0=Mój brat ma siedem lat. years old – lat (o wieku).==
liczby=liczby_zdania2=The number on the door is <eleven>.==Na drzwiach jest numer jedenaœcie.=z2_02.png=0=z2_02.wav==2=0==0=Numer na drzwiach to jedenaœcie. door – drzwi.==
liczby=liczby_zdania2=Twenty plus <twenty> is forty.==Dwadzieœcia dodaæ dwadzieœcia to czterdzieœci.=z2_03.png=0=z2_03.wav==2=0==0=Dwadzieœcia dodaæ dwadzieœcia to czterdzieœci. plus – dodaæ.==
liczby=liczby_zdania2=My house number is <fifteen>.==Mój dom ma numer piêtnaœcie.=z2_04.png=0=z2_04.wav==2=0=z2_04a.png=0=Mój dom ma numer piêtnaœcie. fifteen – piêtnaœcie.==
liczby=liczby_zdania2=There are <twenty> children in my class.==W mojej klasie jest dwadzieœcioro dzieci.=z2_05.png=0=z2_05.wav==2=0==0=W mojej klasie jest dwadzieœcioro dzieci. class – klasa.==
liczby=liczby_zdania2=The book costs <nine> pounds.==Ksi¹¿ka kosztuje dziewiêæ funtów.=z2_06.png=0=z2_06.wav==2=0==0=Ksi¹¿ka kosztuje dziewiêæ funtów. cost – kosztowaæ.==
liczby=liczby_zdania2=Ten minus <two> is eight.==Dziesiêæ odj¹æ dwa to osiem.=z2_07.png=0=z2_07.wav==2=0==0=Dziesiêæ odj¹æ dwa to osiem. minus – odj¹æ.==
liczby=liczby_zdania2=We need <thirteen> chairs.==Potrzebujemy trzynastu krzese³.=z2_08.png=0=z2_08.wav==2=0==0=Potrzebujemy trzynastu krzese³. thirteen – trzynaœcie.==
liczby=liczby_zdania3=The ice cream costs <two> pounds.==Lody kosztuj¹ dwa funty.=z3_01.png=0=z3_01.wav==3=0==0=Lody kosztuj¹ dwa funty. ice cream – lody.==
liczby=liczby_zdania3=This T-shirt is <ten> pounds.==Ta koszulka kosztuje dziesiêæ funtów.=z3_02.png=0=z3_02.wav==3=0=z3_02a.png/z3_02b.png=0=Ta koszulka kosztuje dziesiêæ funtów.==
liczby=liczby_zdania3=The ball costs <five> pounds.==Pi³ka kosztuje piêæ funtów.=z3_03.png=0=z3_03.wav==3=0==0=Pi³ka kosztuje piêæ funtów. ball – pi³ka.==
liczby=liczby_zdania3=I have got <three> coins.==Mam trzy monety.=z3_04.png=0=z3_04.wav==3=0=z3_04a.png/z3_04b.png=0=Mam trzy monety. coin – moneta.==
liczby=liczby_zdania3=The apples cost <one> pound.==Jab³ka kosztuj¹ jednego funta.=z3_05.png=0=z3_05.wav==3=0==0=Jab³ka kosztuj¹ funta. one pound – jeden funt.==
liczby=liczby_zdania3=The tickets are <twenty> pounds.==Bilety kosztuj¹ dwadzieœcia funtów.=z3_06.png=0=z3_06.wav==3=0==0=Bilety kosztuj¹ dwadzieœcia funtów. ticket – bilet.==
liczby=liczby_zdania3=The book is <eight> pounds.==Ksi¹¿ka kosztuje osiem funtów.=z3_07.png=0=z3_07.wav==3=0==0=Ksi¹¿ka kosztuje osiem funtów. eight – osiem.==
liczby=liczby_zdania3=Here is <fifty> pounds.==Proszê, oto piêædziesi¹t funtów.=z3_08.png=0=z3_08.wav==3=0==0=Proszê, oto piêædziesi¹t funtów. Here is – oto.==
liczby=liczby_zdania4=The player has got number <nine>.==Zawodnik ma numer dziewiêæ.=z4_01.png=0=z4_01.wav==4=0==0=Zawodnik ma numer dziewiêæ. player – zawodnik.==
liczby=liczby_zdania4=There are <seven> days in a week.==Tydzieñ ma siedem dni.=z4_02.png=0=z4_02.wav==4=0==0=Tydzieñ ma siedem dni. week – tydzieñ.==
liczby=liczby_zdania4=A spider has got <eight> legs.==Paj¹k ma osiem nóg.=z4_03.png=0=z4_03.wav==4=0=z4_03a.png/z4_03b.png/z4_03c.png=0=Paj¹k ma osiem nóg. spider – paj¹k, leg – noga.==
liczby=liczby_zdania4=A dog has got <four> legs.==Pies ma cztery nogi.=z4_04.png=0=z4_04.wav==4=0=z4_04a.png/z4_04b.png/z4_04c.png=0=Pies ma cztery nogi. dog – pies.==
liczby=liczby_zdania4=A bird has got <two> wings.==Ptak ma dwa skrzyd³a.=z4_05.png=0=z4_05.wav==4=0==0=Ptak ma dwa skrzyd³a. wing – skrzyd³o.==
liczby=liczby_zdania4=There are <twelve> months in a year.==Rok ma dwanaœcie miesiêcy.=z4_06.png=0=z4_06.wav==4=0==0=Rok ma dwanaœcie miesiêcy. month – miesi¹c, year – rok.==
liczby=liczby_zdania4=There are <five> candles on the cake.==Na torcie jest piêæ œwieczek.=z4_07.png=0=z4_07.wav==4=0==0=Na torcie jest piêæ œwieczek. candle – œwieczka.==
liczby=liczby_zdania4=We are on floor number <three>.==Jesteœmy na trzecim piêtrze.=z4_08.png=0=z4_08.wav==4=0==0=Jesteœmy na trzecim piêtrze. floor – piêtro.==
liczby=liczby_zdania4=My grandma is <eighty> years old.==Moja babcia ma osiemdziesi¹t lat.=z4_09.png=0=z4_09.wav==4=0==0=Moja babcia ma osiemdziesi¹t lat. eighty – osiemdziesi¹t.==
liczby=liczby_zdania4=Our train leaves from platform <four>.==Nasz poci¹g odje¿d¿a z peronu czwartego.=z4_10.png=0=z4_10.wav==4=0==0=Nasz poci¹g odje¿d¿a z peronu czwartego. platform – peron.==

// --------------------------------------------------------- miejsca
miejsca=miejsca_slowka=school==szko³a=school.png=0=school.wav==30=0==0===
miejsca=miejsca_slowka=hospital==szpital=hospital.png=0=hospital.wav==30=0==0===
miejsca=miejsca_slowka=bank==bank=bank.png=0=bank.wav==30=0==0===
miejsca=miejsca_slowka=post office==poczta=post_office.png=0=post_office.wav==30=0==0===
miejsca=miejsca_slowka=hotel==hotel=hotel.png=0=hotel.wav==30=0==0===
miejsca=miejsca_slowka=church==koœció³=church.png=0=church.wav==30=0==0===
miejsca=miejsca_slowka=castle==zamek=castle.png=0=castle.wav==30=0==0===
miejsca=miejsca_slowka=stadium==stadion=stadium.png=0=stadium.wav==30=0==0===
miejsca=miejsca_slowka=factory==fabryka=factory.png=0=factory.wav==30=0==0===
miejsca=miejsca_slowka=shop==sklep=shop.png=0=shop.wav==30=0==0===
miejsca=miejsca_slowka=museum==muzeum=museum.png=0=museum.wav==30=0==0===
miejsca=miejsca_slowka=park==park=park.png=0=park.wav==30=0==0===
miejsca=miejsca_slowka=beach==pla¿a=beach.png=0=beach.wav==30=0==0===
miejsca=miejsca_slowka=mountain==góra=mountain.png=0=mountain.wav==30=0==0===
miejsca=miejsca_slowka=island==wyspa=island.png=0=island.wav==30=0==0===
miejsca=miejsca_slowka=bridge==most=bridge.png=0=bridge.wav==30=0==0===
miejsca=miejsca_zdania1=The <hospital> is next to the park.==Szpital jest obok parku.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Szpital jest obok parku. next to – obok.=Szko³a jest obok parku. Na obrazku jest szpital.=
miejsca=miejsca_zdania1=There is a castle on the <hill>.==Na wzgórzu stoi zamek.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Na wzgórzu stoi zamek. hill – wzgórze.=Na pla¿y stoi zamek. Zamek stoi na wzgórzu, nie na pla¿y.=
miejsca=miejsca_zdania1=The bridge is over the <river>.==Most jest nad rzek¹.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Most jest nad rzek¹. over – nad.=Most jest nad drog¹. Pod mostem jest woda.=
miejsca=miejsca_zdania1=The boat is next to the <island>.==£ódka jest obok wyspy.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=£ódka jest obok wyspy. island – wyspa (s nie wymawiamy).=£ódka jest obok mostu. Na obrazku nie ma mostu.=
miejsca=miejsca_zdania1=We are on the <beach>.==Jesteœmy na pla¿y.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Jesteœmy na pla¿y. beach – pla¿a.=Jesteœmy w górach. Na obrazku jest pla¿a.=
miejsca=miejsca_zdania1=There is a bank opposite the <church>.==Naprzeciwko koœcio³a jest bank.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Naprzeciwko koœcio³a jest bank. opposite – naprzeciwko.=Naprzeciwko hotelu jest bank. Obok banku stoi koœció³.=
miejsca=miejsca_zdania1=The bus stops in front of the <school>.==Autobus zatrzymuje siê przed szko³¹.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Autobus zatrzymuje siê przed szko³¹. in front of – przed.=Autobus zatrzymuje siê przed szpitalem. Na obrazku jest szko³a.=
miejsca=miejsca_zdania1=There are three <tents> in the mountains.==W górach stoj¹ trzy namioty.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=W górach stoj¹ trzy namioty. tent – namiot.=W górach stoj¹ trzy domy. Na obrazku s¹ namioty.=
miejsca=miejsca_zdania2=I post letters at the <post> office.==Wysy³am listy na poczcie.=z2_01.png=0=z2_01.wav==2=0=z2_01a.png=0=Wysy³am listy na poczcie. post office – poczta.==
miejsca=miejsca_zdania2=Dad works in a <factory>.==Tata pracuje w fabryce.=z2_02.png=0=z2_02.wav==2=0==0=Tata pracuje w fabryce. factory – fabryka.==
miejsca=miejsca_zdania2=We sleep in a <hotel> on holiday.==Na wakacjach œpimy w hotelu.=z2_03.png=0=z2_03.wav==2=0==0=Na wakacjach œpimy w hotelu. on holiday – na wakacjach.==
miejsca=miejsca_zdania2=I buy bread in the <shop>.==Kupujê chleb w sklepie.=z2_04.png=0=z2_04.wav==2=0=z2_04a.png=0=Kupujê chleb w sklepie. buy – kupowaæ.==
miejsca=miejsca_zdania2=The football <stadium> is very big.==Stadion pi³karski jest bardzo du¿y.=z2_05.png=0=z2_05.wav==2=0==0=Stadion pi³karski jest bardzo du¿y. stadium – stadion.==
miejsca=miejsca_zdania2=Let's visit the <museum>.==ChodŸmy do muzeum.=z2_06.png=0=z2_06.wav==2=0==0=ChodŸmy do muzeum. visit – zwiedzaæ, odwiedzaæ.==
miejsca=miejsca_zdania2=The children are at <school>.==Dzieci s¹ w szkole.=z2_07.png=0=z2_07.wav==2=0==0=Dzieci s¹ w szkole. at school – w szkole.==
miejsca=miejsca_zdania2=The doctor is at the <hospital>.==Lekarz jest w szpitalu.=z2_08.png=0=z2_08.wav==2=0==0=Lekarz jest w szpitalu. doctor – lekarz.==
miejsca=miejsca_zdania3=The <mountain> is very high.==Góra jest bardzo wysoka.=z3_01.png=0=z3_01.wav==3=0=z3_01a.png/z3_01b.png=0=Góra jest bardzo wysoka. high – wysoki.==
miejsca=miejsca_zdania3=This <island> is small.==Ta wyspa jest ma³a.=z3_02.png=0=z3_02.wav==3=0=z3_02a.png/z3_02b.png=0=Ta wyspa jest ma³a. small – ma³y.==
miejsca=miejsca_zdania3=The <volcano> is dangerous.==Wulkan jest niebezpieczny.=z3_03.png=0=z3_03.wav==3=0==0=Wulkan jest niebezpieczny. dangerous – niebezpieczny.==
miejsca=miejsca_zdania3=The <desert> is hot and dry.==Pustynia jest gor¹ca i sucha.=z3_04.png=0=z3_04.wav==3=0==0=Pustynia jest gor¹ca i sucha. dry – suchy.==
miejsca=miejsca_zdania3=We are walking in the <forest>.==Spacerujemy po lesie.=z3_05.png=0=z3_05.wav==3=0==0=Spacerujemy po lesie. forest – las.==
miejsca=miejsca_zdania3=There is a <lake> in the park.==W parku jest jezioro.=z3_06.png=0=z3_06.wav==3=0==0=W parku jest jezioro. lake – jezioro.==
miejsca=miejsca_zdania3=Look at the big <wave>!==Popatrz na tê wielk¹ falê!=z3_07.png=0=z3_07.wav==3=0==0=Popatrz na wielk¹ falê! wave – fala.==
miejsca=miejsca_zdania3=The <city> has got tall buildings.==W mieœcie s¹ wysokie budynki.=z3_08.png=0=z3_08.wav==3=0==0=W mieœcie s¹ wysokie budynki. city – miasto, building – budynek.==
miejsca=miejsca_zdania4=I need to go to the <bank>.==Muszê iœæ do banku.=z4_01.png=0=z4_01.wav==4=0==0=Muszê iœæ do banku. need to – musieæ, potrzebowaæ.==
miejsca=miejsca_zdania4=She borrows books from the <library>.==Ona wypo¿ycza ksi¹¿ki z biblioteki.=z4_02.png=0=z4_02.wav==4=0==0=Ona wypo¿ycza ksi¹¿ki z biblioteki. library – biblioteka (nie ksiêgarnia!).==
miejsca=miejsca_zdania4=We are going to the <swimming> pool.==Idziemy na basen.=z4_03.png=0=z4_03.wav==4=0==0=Idziemy na basen. swimming pool – basen.==
miejsca=miejsca_zdania4=They are at the <airport>.==Oni s¹ na lotnisku.=z4_04.png=0=z4_04.wav==4=0==0=Oni s¹ na lotnisku. airport – lotnisko.==
miejsca=miejsca_zdania4=He is at the <train> station.==On jest na dworcu kolejowym.=z4_05.png=0=z4_05.wav==4=0=z4_05a.png/z4_05b.png/z4_05c.png=0=On jest na dworcu kolejowym. train station – dworzec kolejowy.==
miejsca=miejsca_zdania4=Let's meet at the <cinema>.==Spotkajmy siê w kinie.=z4_06.png=0=z4_06.wav==4=0==0=Spotkajmy siê w kinie. meet – spotkaæ siê.==
miejsca=miejsca_zdania4=I buy medicine at the <pharmacy>.==Kupujê lekarstwa w aptece.=z4_07.png=0=z4_07.wav==4=0==0=Kupujê lekarstwa w aptece. medicine – lekarstwo, pharmacy – apteka.==
miejsca=miejsca_zdania4=The children are in the <playground>.==Dzieci s¹ na placu zabaw.=z4_08.png=0=z4_08.wav==4=0==0=Dzieci s¹ na placu zabaw. playground – plac zabaw.==
miejsca=miejsca_zdania4=We eat pizza in a <restaurant>.==Jemy pizzê w restauracji.=z4_09.png=0=z4_09.wav==4=0=z4_09a.png/z4_09b.png/z4_09c.png=0=Jemy pizzê w restauracji. restaurant – restauracja.==
miejsca=miejsca_zdania4=My aunt lives on a <farm>.==Moja ciocia mieszka na wsi, w gospodarstwie.=z4_10.png=0=z4_10.wav==4=0==0=Moja ciocia mieszka w gospodarstwie. farm – gospodarstwo rolne.==

// ------------------------------------------------------------- dom
dom=dom_slowka=house==dom=house.png=0=house.wav==30=0==0===
dom=dom_slowka=door==drzwi=door.png=0=door.wav==30=0==0===
dom=dom_slowka=window==okno=window.png=0=window.wav==30=0==0===
dom=dom_slowka=bed==³ó¿ko=bed.png=0=bed.wav==30=0==0===
dom=dom_slowka=chair==krzes³o=chair.png=0=chair.wav==30=0==0===
dom=dom_slowka=sofa==kanapa=sofa.png=0=sofa.wav==30=0==0===
dom=dom_slowka=bath==wanna=bath.png=0=bath.wav==30=0==0===
dom=dom_slowka=shower==prysznic=shower.png=0=shower.wav==30=0==0===
dom=dom_slowka=toilet==toaleta=toilet.png=0=toilet.wav==30=0==0===
dom=dom_slowka=mirror==lustro=mirror.png=0=mirror.wav==30=0==0===
dom=dom_slowka=key==klucz=key.png=0=key.wav==30=0==0===
dom=dom_slowka=plant==roœlina=plant.png=0=plant.wav==30=0==0===
dom=dom_slowka=picture==obraz=picture.png=0=picture.wav==30=0==0===
dom=dom_slowka=candle==œwieca=candle.png=0=candle.wav==30=0==0===
dom=dom_slowka=broom==miot³a=broom.png=0=broom.wav==30=0==0===
dom=dom_slowka=soap==myd³o=soap.png=0=soap.wav==30=0==0===
dom=dom_zdania1=The cat is on the <sofa>.==Kot jest na kanapie.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Kot jest na kanapie. on – na.=Kot jest na ³ó¿ku. Kot siedzi na kanapie.=
dom=dom_zdania1=There is a <plant> next to the window.==Obok okna stoi roœlina.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Obok okna stoi roœlina. plant – roœlina.=Obok okna stoi lampa. Na obrazku jest roœlina.=
dom=dom_zdania1=There is a picture above the <bed>.==Nad ³ó¿kiem wisi obraz.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Nad ³ó¿kiem wisi obraz. above – nad.=Nad kanap¹ wisi obraz. Obraz wisi nad ³ó¿kiem.=
dom=dom_zdania1=The key is in the <door>.==Klucz jest w drzwiach.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Klucz jest w drzwiach. key – klucz.=Klucz jest na stole. Na obrazku klucz jest w drzwiach.=
dom=dom_zdania1=The dog is sleeping in the <bath>.==Pies œpi w wannie.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Pies œpi w wannie. bath – wanna.=Pies œpi w ogrodzie. Pies œpi w ³azience, w wannie.=
dom=dom_zdania1=There are two <chairs> in the room.==W pokoju s¹ dwa krzes³a.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=W pokoju s¹ dwa krzes³a. chair – krzes³o.=W pokoju s¹ trzy krzes³a. Krzes³a s¹ dwa.=
dom=dom_zdania1=There is a <mirror> in the bathroom.==W ³azience jest lustro.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=W ³azience jest lustro. bathroom – ³azienka.=W ³azience jest okno. Na obrazku jest lustro.=
dom=dom_zdania1=Mum is cleaning the floor with a <broom>.==Mama zamiata pod³ogê miot³¹.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Mama sprz¹ta pod³ogê miot³¹. floor – pod³oga.=Mama myje okno. Mama zamiata pod³ogê.=
dom=dom_zdania2=I live in a big <house>.==Mieszkam w du¿ym domu.=z2_01.png=0=z2_01.wav==2=0=z2_01a.png=0=Mieszkam w du¿ym domu. live – mieszkaæ.==
dom=dom_zdania2=My flat is in a tall <building>.==Moje mieszkanie jest w wysokim budynku.=z2_02.png=0=z2_02.wav==2=0=z2_02a.png=0=Moje mieszkanie jest w wysokim budynku. flat – mieszkanie.==
dom=dom_zdania2=We have got a <garden> with flowers.==Mamy ogród z kwiatami.=z2_03.png=0=z2_03.wav==2=0==0=Mamy ogród z kwiatami. flower – kwiat.==
dom=dom_zdania2=Please close the <door>.==Zamknij, proszê, drzwi.=z2_04.png=0=z2_04.wav==2=0==0=Zamknij, proszê, drzwi. close – zamykaæ.==
dom=dom_zdania2=Open the <window>, please.==Otwórz, proszê, okno.=z2_05.png=0=z2_05.wav==2=0==0=Otwórz, proszê, okno. open – otwieraæ.==
dom=dom_zdania2=I wash my hands with <soap>.==Myjê rêce myd³em.=z2_06.png=0=z2_06.wav==2=0==0=Myjê rêce myd³em. wash – myæ.==
dom=dom_zdania2=The <candle> is on the table.==Œwieca stoi na stole.=z2_07.png=0=z2_07.wav==2=0==0=Œwieca stoi na stole. candle – œwieca.==
dom=dom_zdania2=We sit by the <fire> in winter.==Zim¹ siedzimy przy kominku.=z2_08.png=0=z2_08.wav==2=0==0=Zim¹ siedzimy przy ogniu. fire – ogieñ.==
dom=dom_zdania3=I sleep in my <bed>.==Œpiê w moim ³ó¿ku.=z3_01.png=0=z3_01.wav==3=0==0=Œpiê w moim ³ó¿ku. sleep – spaæ.==
dom=dom_zdania3=Sit on the <chair>, please.==Usi¹dŸ, proszê, na krzeœle.=z3_02.png=0=z3_02.wav==3=0==0=Usi¹dŸ, proszê, na krzeœle. sit – siadaæ.==
dom=dom_zdania3=The <sofa> is very comfortable.==Kanapa jest bardzo wygodna.=z3_03.png=0=z3_03.wav==3=0==0=Kanapa jest bardzo wygodna. comfortable – wygodny.==
dom=dom_zdania3=I have a <shower> every morning.==Co rano biorê prysznic.=z3_04.png=0=z3_04.wav==3=0==0=Co rano biorê prysznic. have a shower – braæ prysznic.==
dom=dom_zdania3=The <toilet> is in the bathroom.==Toaleta jest w ³azience.=z3_05.png=0=z3_05.wav==3=0==0=Toaleta jest w ³azience. toilet – toaleta.==
dom=dom_zdania3=Turn on the <light>, please.==W³¹cz, proszê, œwiat³o.=z3_06.png=0=z3_06.wav==3=0=z3_06a.png/z3_06b.png=0=W³¹cz, proszê, œwiat³o. turn on – w³¹czaæ.==
