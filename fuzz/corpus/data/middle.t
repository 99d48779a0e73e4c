kuchnia=kuchnia_zdania4=There is <honey> in the jar.==W s³oiku jest miód.=z4_09.png=0=z4_09.wav==4=0==0=W s³oiku jest miód. jar – s³oik, honey – miód.=
kuchnia=kuchnia_zdania4=A <croissant> and a coffee, please.==Poproszê rogalik i kawê.=z4_10.png=0=z4_10.wav==4=0==0=Poproszê rogalik i kawê. please – proszê (gdy o coœ prosimy).=

// ----------------------------------------------------------- praca
praca=praca_slowka=doctor==lekarz=doctor.png=0=doctor.wav==30=0==0===
praca=praca_slowka=teacher==nauczyciel=teacher.png=0=teacher.wav==30=0==0===
praca=praca_slowka=cook==kucharz=cook.png=0=cook.wav==30=0==0===
praca=praca_slowka=farmer==rolnik=farmer.png=0=farmer.wav==30=0==0===
praca=praca_slowka=mechanic==mechanik=mechanic.png=0=mechanic.wav==30=0==0===
praca=praca_slowka=firefighter==stra¿ak=firefighter.png=0=firefighter.wav==30=0==0===
praca=praca_slowka=police officer==policjant=police_officer.png=0=police_officer.wav==30=0==0===
praca=praca_slowka=pilot==pilot=pilot.png=0=pilot.wav==30=0==0===
praca=praca_slowka=artist==artysta=artist.png=0=artist.wav==30=0==0===
praca=praca_slowka=scientist==naukowiec=scientist.png=0=scientist.wav==30=0==0===
praca=praca_slowka=builder==budowlaniec=builder.png=0=builder.wav==30=0==0===
praca=praca_slowka=singer==piosenkarz=singer.png=0=singer.wav==30=0==0===
praca=praca_slowka=judge==sêdzia=judge.png=0=judge.wav==30=0==0===
praca=praca_slowka=office worker==pracownik biurowy=office_worker.png=0=office_worker.wav==30=0==0===
praca=praca_slowka=astronaut==astronauta=astronaut.png=0=astronaut.wav==30=0==0===
praca=praca_slowka=programmer==programista=programmer.png=0=programmer.wav==30=0==0===
praca=praca_zdania1=She is a <doctor>.==Ona jest lekark¹.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Ona jest lekark¹. doctor – lekarz, lekarka.=Ona jest nauczycielk¹. Na obrazku jest lekarka.=
praca=praca_zdania1=He is a <firefighter>.==On jest stra¿akiem.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=On jest stra¿akiem. firefighter – stra¿ak.=On jest pilotem. Na obrazku jest stra¿ak.=
praca=praca_zdania1=The <farmer> is next to his tractor.==Rolnik stoi obok swojego traktora.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Rolnik stoi obok swojego traktora. tractor – traktor.=Rolnik stoi obok swojego konia. Na obrazku jest traktor, nie koñ.=
praca=praca_zdania1=The police officer is next to the <car>.==Policjant stoi obok samochodu.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Policjant stoi obok samochodu. police officer – policjant.=Policjant stoi obok roweru. Na obrazku jest samochód.=
praca=praca_zdania1=The <teacher> is in the classroom.==Nauczyciel jest w klasie.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Nauczyciel jest w klasie. classroom – sala lekcyjna.=Nauczyciel jest w ogrodzie. Nauczyciel jest w klasie.=
praca=praca_zdania1=The builder has got a <hammer>.==Budowlaniec ma m³otek.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Budowlaniec ma m³otek. hammer – m³otek.=Budowlaniec ma drabinê. Na obrazku jest m³otek.=
praca=praca_zdania1=The astronaut is in <space>.==Astronauta jest w kosmosie.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Astronauta jest w kosmosie. space – kosmos.=Astronauta jest w morzu. Astronauta jest w kosmosie.=
praca=praca_zdania1=The scientist is looking into a <microscope>.==Naukowiec patrzy przez mikroskop.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Naukowiec patrzy przez mikroskop. look into – zagl¹daæ.=Naukowiec patrzy przez teleskop. Na obrazku jest mikroskop.=
praca=praca_zdania2=My mum works in an <office>.==Moja mama pracuje w biurze.=z2_01.png=0=z2_01.wav==2=0==0=Moja mama pracuje w biurze. office – biuro.==
praca=praca_zdania2=The mechanic is repairing a <car>.==Mechanik naprawia samochód.=z2_02.png=0=z2_02.wav==2=0=z2_02a.png=0=Mechanik naprawia samochód. repair – naprawiaæ.==
praca=praca_zdania2=The pilot is flying a <plane>.==Pilot leci samolotem.=z2_03.png=0=z2_03.wav==2=0=z2_03a.png=0=Pilot leci samolotem. fly – lataæ, pilotowaæ.==
praca=praca_zdania2=The cook works in a <restaurant>.==Kucharz pracuje w restauracji.=z2_04.png=0=z2_04.wav==2=0==0=Kucharz pracuje w restauracji. cook – kucharz.==
praca=praca_zdania2=The <singer> is on the stage.==Piosenkarka jest na scenie.=z2_05.png=0=z2_05.wav==2=0==0=Piosenkarka jest na scenie. stage – scena.==
praca=praca_zdania2=The <judge> works in a court.==Sêdzia pracuje w s¹dzie.=z2_06.png=0=z2_06.wav==2=0==0=Sêdzia pracuje w s¹dzie. court – s¹d.==
praca=praca_zdania2=The programmer is working on a <computer>.==Programista pracuje przy komputerze.=z2_07.png=0=z2_07.wav==2=0==0=Programista pracuje przy komputerze. computer – komputer.==
praca=praca_zdania2=The artist is painting a <picture>.==Artysta maluje obraz.=z2_08.png=0=z2_08.wav==2=0==0=Artysta maluje obraz. paint – malowaæ.==
praca=praca_zdania3=The builder needs a <hammer>.==Budowlaniec potrzebuje m³otka.=z3_01.png=0=z3_01.wav==3=0=z3_01a.png/z3_01b.png=0=Budowlaniec potrzebuje m³otka. need – potrzebowaæ.==
praca=praca_zdania3=I cut paper with <scissors>.==Tnê papier no¿yczkami.=z3_02.png=0=z3_02.wav==3=0=z3_02a.png/z3_02b.png=0=Tnê papier no¿yczkami. scissors – no¿yczki.==
praca=praca_zdania3=The mechanic has got a <spanner>.==Mechanik ma klucz.=z3_03.png=0=z3_03.wav==3=0==0=Mechanik ma klucz francuski. spanner – klucz (narzêdzie).==
praca=praca_zdania3=The doctor has got a <stethoscope>.==Lekarz ma stetoskop.=z3_04.png=0=z3_04.wav==3=0==0=Lekarz ma stetoskop. stethoscope – stetoskop.==
praca=praca_zdania3=Write with a <pen>, please.==Pisz, proszê, d³ugopisem.=z3_05.png=0=z3_05.wav==3=0==0=Pisz d³ugopisem. pen – d³ugopis.==
praca=praca_zdania3=The farmer has got a <tractor>.==Rolnik ma traktor.=z3_06.png=0=z3_06.wav==3=0==0=Rolnik ma traktor. tractor – traktor.==
praca=praca_zdania3=Call the fire <engine>!==Wezwij wóz stra¿acki!=z3_07.png=0=z3_07.wav==3=0==0=Wezwij wóz stra¿acki! fire engine – wóz stra¿acki.==
praca=praca_zdania3=The office worker has got a <briefcase>.==Urzêdnik ma teczkê.=z3_08.png=0=z3_08.wav==3=0==0=Pracownik biura ma teczkê. briefcase – teczka.==
praca=praca_zdania4=A nurse works in a <hospital>.==Pielêgniarka pracuje w szpitalu.=z4_01.png=0=z4_01.wav==4=0==0=Pielêgniarka pracuje w szpitalu. nurse – pielêgniarka.==
praca=praca_zdania4=A teacher works in a <school>.==Nauczyciel pracuje w szkole.=z4_02.png=0=z4_02.wav==4=0==0=Nauczyciel pracuje w szkole. school – szko³a.==
praca=praca_zdania4=A farmer works on a <farm>.==Rolnik pracuje w gospodarstwie.=z4_03.png=0=z4_03.wav==4=0==0=Rolnik pracuje w gospodarstwie. farm – gospodarstwo.==
praca=praca_zdania4=A pilot works on a <plane>.==Pilot pracuje w samolocie.=z4_04.png=0=z4_04.wav==4=0==0=Pilot pracuje w samolocie. plane – samolot.==
praca=praca_zdania4=A cook works in a <kitchen>.==Kucharz pracuje w kuchni.=z4_05.png=0=z4_05.wav==4=0==0=Kucharz pracuje w kuchni. kitchen – kuchnia.==
praca=praca_zdania4=A shop assistant works in a <shop>.==Sprzedawca pracuje w sklepie.=z4_06.png=0=z4_06.wav==4=0==0=Sprzedawca pracuje w sklepie. shop assistant – sprzedawca.==
praca=praca_zdania4=A firefighter drives a fire <engine>.==Stra¿ak prowadzi wóz stra¿acki.=z4_07.png=0=z4_07.wav==4=0==0=Stra¿ak prowadzi wóz stra¿acki. drive – prowadziæ.==
praca=praca_zdania4=A vet helps sick <animals>.==Weterynarz pomaga chorym zwierzêtom.=z4_08.png=0=z4_08.wav==4=0=z4_08a.png/z4_08b.png/z4_08c.png=0=Weterynarz pomaga chorym zwierzêtom. vet – weterynarz.==
praca=praca_zdania4=A postman brings the <letters>.==Listonosz przynosi listy.=z4_09.png=0=z4_09.wav==4=0==0=Listonosz przynosi listy. postman – listonosz.==
praca=praca_zdania4=A bus driver drives a <bus>.==Kierowca autobusu prowadzi autobus.=z4_10.png=0=z4_10.wav==4=0==0=Kierowca autobusu prowadzi autobus. driver – kierowca.==

// ------------------------------------------------------- zwierzeta
zwierzeta=zwierzeta_slowka=cat==kot=cat.png=0=cat.wav==30=0==0===
zwierzeta=zwierzeta_slowka=dog==pies=dog.png=0=dog.wav==30=0==0===
zwierzeta=zwierzeta_slowka=horse==koñ=horse.png=0=horse.wav==30=0==0===
zwierzeta=zwierzeta_slowka=cow==krowa=cow.png=0=cow.wav==30=0==0===
zwierzeta=zwierzeta_slowka=pig==œwinia=pig.png=0=pig.wav==30=0==0===
zwierzeta=zwierzeta_slowka=sheep==owca=sheep.png=0=sheep.wav==30=0==0===
zwierzeta=zwierzeta_slowka=hen==kura=hen.png=0=hen.wav==30=0==0===
zwierzeta=zwierzeta_slowka=duck==kaczka=duck.png=0=duck.wav==30=0==0===
zwierzeta=zwierzeta_slowka=rabbit==królik=rabbit.png=0=rabbit.wav==30=0==0===
zwierzeta=zwierzeta_slowka=mouse==mysz=mouse.png=0=mouse.wav==30=0==0===
zwierzeta=zwierzeta_slowka=fish==ryba=fish.png=0=fish.wav==30=0==0===
zwierzeta=zwierzeta_slowka=bird==ptak=bird.png=0=bird.wav==30=0==0===
zwierzeta=zwierzeta_slowka=elephant==s³oñ=elephant.png=0=elephant.wav==30=0==0===
zwierzeta=zwierzeta_slowka=lion==lew=lion.png=0=lion.wav==30=0==0===
zwierzeta=zwierzeta_slowka=monkey==ma³pa=monkey.png=0=monkey.wav==30=0==0===
zwierzeta=zwierzeta_slowka=frog==¿aba=frog.png=0=frog.wav==30=0==0===
zwierzeta=zwierzeta_zdania1=The <cow> is in the field.==Krowa jest na polu.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Krowa jest na pastwisku. field – pole, ³¹ka.=Koñ jest na polu. Na obrazku jest krowa.=
zwierzeta=zwierzeta_zdania1=There are three <sheep> on the hill.==Na wzgórzu s¹ trzy owce.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Na wzgórzu s¹ trzy owce. sheep – owca, owce (ta sama forma).=Na wzgórzu s¹ trzy œwinie. Na obrazku s¹ owce.=
zwierzeta=zwierzeta_zdania1=The <duck> is on the lake.==Kaczka p³ywa po jeziorze.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Kaczka p³ywa po jeziorze. lake – jezioro.=Kura p³ywa po jeziorze. Na obrazku jest kaczka.=
zwierzeta=zwierzeta_zdania1=The dog is sleeping next to the <cat>.==Pies œpi obok kota.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Pies œpi obok kota. next to – obok.=Pies œpi obok królika. Obok psa jest kot.=
zwierzeta=zwierzeta_zdania1=The mouse is eating <cheese>.==Mysz je ser.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Mysz je ser. mouse – mysz.=Mysz je chleb. Mysz je ser.=
zwierzeta=zwierzeta_zdania1=The hen has got two <chicks>.==Kura ma dwa kurcz¹tka.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Kura ma dwa kurcz¹tka. chick – kurcz¹tko.=Kura ma troje kurcz¹t. Policz: s¹ dwa.=
zwierzeta=zwierzeta_zdania1=The <rabbit> is eating a carrot.==Królik je marchewkê.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Królik je marchewkê. carrot – marchewka.=Królik je jab³ko. Królik je marchewkê.=
zwierzeta=zwierzeta_zdania1=The <pig> is pink.==Œwinia jest ró¿owa.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Œwinia jest ró¿owa. pink – ró¿owy.=Œwinia jest czarna. Œwinia na obrazku jest ró¿owa.=
zwierzeta=zwierzeta_zdania2=The <elephant> is very big.==S³oñ jest bardzo du¿y.=z2_01.png=0=z2_01.wav==2=0==0=S³oñ jest bardzo du¿y. big – du¿y.==
zwierzeta=zwierzeta_zdania2=The lion is sleeping under a <tree>.==Lew œpi pod drzewem.=z2_02.png=0=z2_02.wav==2=0==0=Lew œpi pod drzewem. tree – drzewo.==
zwierzeta=zwierzeta_zdania2=The <monkey> is eating a banana.==Ma³pa je banana.=z2_03.png=0=z2_03.wav==2=0==0=Ma³pa je banana. monkey – ma³pa.==
zwierzeta=zwierzeta_zdania2=The <giraffe> has got a long neck.==¯yrafa ma d³ug¹ szyjê.=z2_04.png=0=z2_04.wav==2=0=z2_04a.png=0=¯yrafa ma d³ug¹ szyjê. neck – szyja.==
zwierzeta=zwierzeta_zdania2=The <penguin> lives in a cold place.==Pingwin ¿yje w zimnym miejscu.=z2_05.png=0=z2_05.wav==2=0==0=Pingwin ¿yje w zimnym miejscu. cold – zimny.==
zwierzeta=zwierzeta_zdania2=The crocodile is in the <river>.==Krokodyl jest w rzece.=z2_06.png=0=z2_06.wav==2=0==0=Krokodyl jest w rzece. river – rzeka.==
zwierzeta=zwierzeta_zdania2=The <zebra> is black and white.==Zebra jest czarno-bia³a.=z2_07.png=0=z2_07.wav==2=0=z2_07a.png=0=Zebra jest czarno-bia³a. black and white – czarno-bia³y.==
zwierzeta=zwierzeta_zdania2=The tiger is <orange> and black.==Tygrys jest pomarañczowo-czarny.=z2_08.png=0=z2_08.wav==2=0==0=Tygrys jest pomarañczowy w czarne paski. tiger – tygrys.==
zwierzeta=zwierzeta_zdania3=My <dog> likes bones.==Mój pies lubi koœci.=z3_01.png=0=z3_01.wav==3=0==0=Mój pies lubi koœci. bone – koœæ.==
zwierzeta=zwierzeta_zdania3=The <cat> is black.==Kot jest czarny.=z3_02.png=0=z3_02.wav==3=0=z3_02a.png/z3_02b.png=0=Kot jest czarny. black – czarny.==
zwierzeta=zwierzeta_zdania3=I have got a <hamster>.==Mam chomika.=z3_03.png=0=z3_03.wav==3=0==0=Mam chomika. hamster – chomik.==
zwierzeta=zwierzeta_zdania3=Our <parrot> can talk.==Nasza papuga umie mówiæ.=z3_04.png=0=z3_04.wav==3=0==0=Nasza papuga umie mówiæ. parrot – papuga.==
zwierzeta=zwierzeta_zdania3=The <fish> are orange and blue.==Rybki s¹ pomarañczowo-niebieskie.=z3_05.png=0=z3_05.wav==3=0==0=Rybki s¹ pomarañczowo-niebieskie. fish – ryba, ryby (ta sama forma).==
zwierzeta=zwierzeta_zdania3=The <tortoise> is very slow.==¯ó³w jest bardzo powolny.=z3_06.png=0=z3_06.wav==3=0==0=¯ó³w jest bardzo powolny. slow – powolny.==
zwierzeta=zwierzeta_zdania3=My <rabbit> has got long ears.==Mój królik ma d³ugie uszy.=z3_07.png=0=z3_07.wav==3=0==0=Mój królik ma d³ugie uszy. ear – ucho.==
zwierzeta=zwierzeta_zdania3=A <puppy> is a baby dog.==Szczeniak to ma³y piesek.=z3_08.png=0=z3_08.wav==3=0=z3_08a.png/z3_08b.png=0=Szczeniak to ma³y pies. puppy – szczeniak.==
zwierzeta=zwierzeta_zdania4=Birds can <fly>.==Ptaki umiej¹ lataæ.=z4_01.png=0=z4_01.wav==4=0==0=Ptaki umiej¹ lataæ. can – umieæ, fly – lataæ.==
zwierzeta=zwierzeta_zdania4=Fish can <swim>.==Ryby umiej¹ p³ywaæ.=z4_02.png=0=z4_02.wav==4=0==0=Ryby umiej¹ p³ywaæ. swim – p³ywaæ.==
zwierzeta=zwierzeta_zdania4=A kangaroo can <jump>.==Kangur umie skakaæ.=z4_03.png=0=z4_03.wav==4=0==0=Kangur umie skakaæ. jump – skakaæ.==
zwierzeta=zwierzeta_zdania4=A snake has got no <legs>.==W¹¿ nie ma nóg.=z4_04.png=0=z4_04.wav==4=0==0=W¹¿ nie ma nóg. snake – w¹¿.==
zwierzeta=zwierzeta_zdania4=Bees make <honey>.==Pszczo³y robi¹ miód.=z4_05.png=0=z4_05.wav==4=0==0=Pszczo³y robi¹ miód. bee – pszczo³a.==
zwierzeta=zwierzeta_zdania4=An owl can see at <night>.==Sowa widzi w nocy.=z4_06.png=0=z4_06.wav==4=0=z4_06a.png/z4_06b.png/z4_06c.png=0=Sowa widzi w nocy. owl – sowa.==
zwierzeta=zwierzeta_zdania4=A cow gives us <milk>.==Krowa daje nam mleko.=z4_07.png=0=z4_07.wav==4=0==0=Krowa daje nam mleko. give – dawaæ.==
zwierzeta=zwierzeta_zdania4=A spider makes a <web>.==Paj¹k tka sieæ.=z4_08.png=0=z4_08.wav==4=0==0=Paj¹k tka sieæ. web – pajêczyna.==
zwierzeta=zwierzeta_zdania4=A hen lays <eggs>.==Kura znosi jajka.=z4_09.png=0=z4_09.wav==4=0==0=Kura znosi jajka. lay eggs – znosiæ jajka.==
zwierzeta=zwierzeta_zdania4=Dolphins are very <clever>.==Delfiny s¹ bardzo m¹dre.=z4_10.png=0=z4_10.wav==4=0==0=Delfiny s¹ bardzo m¹dre. clever – m¹dry, bystry.==

// --------------------------------------------------------- podroze
podroze=podroze_slowka=car==samochód=car.png=0=car.wav==30=0==0===
podroze=podroze_slowka=bus==autobus=bus.png=0=bus.wav==30=0==0===
podroze=podroze_slowka=train==poci¹g=train.png=0=train.wav==30=0==0===
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
podroze=podroze_zdania1=The <train> is at the station.==Poci¹g jest na stacji.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Poci¹g jest na stacji. station – stacja, dworzec.=Autobus jest na stacji. Na obrazku jest poci¹g.=
podroze=podroze_zdania1=There is a <ship> on the sea.==Na morzu jest statek.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Na morzu jest statek. ship – statek.=Na morzu jest samolot. Na morzu p³ywa statek.=
podroze=podroze_zdania1=The plane is flying over the <mountains>.==Samolot leci nad górami.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Samolot leci nad górami. over – nad.=Samolot leci nad morzem. Pod samolotem s¹ góry.=
podroze=podroze_zdania1=The girl is riding a <bicycle>.==Dziewczynka jedzie na rowerze.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Dziewczynka jedzie na rowerze. ride – jechaæ (na rowerze, koniu).=Dziewczynka jedzie na koniu. Ona jedzie na rowerze.=
podroze=podroze_zdania1=The taxi is <yellow>.==Taksówka jest ¿ó³ta.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Taksówka jest ¿ó³ta. yellow – ¿ó³ty.=Taksówka jest czerwona. Taksówka jest ¿ó³ta.=
podroze=podroze_zdania1=My suitcase is next to the <door>.==Moja walizka stoi obok drzwi.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Moja walizka stoi obok drzwi. suitcase – walizka.=Moja walizka jest pod ³ó¿kiem. Walizka stoi obok drzwi.=
podroze=podroze_zdania1=There is a <helicopter> in the sky.==Na niebie jest helikopter.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Na niebie jest helikopter. helicopter – helikopter.=Na niebie jest balon. Na niebie leci helikopter.=
podroze=podroze_zdania1=The boy has got a big <backpack>.==Ch³opiec ma du¿y plecak.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Ch³opiec ma du¿y plecak. backpack – plecak.=Ch³opiec ma du¿¹ walizkê. Ch³opiec ma plecak.=
podroze=podroze_zdania2=Show me your <ticket>, please.==Poka¿ mi, proszê, swój bilet.=z2_01.png=0=z2_01.wav==2=0==0=Poka¿ mi, proszê, bilet. ticket – bilet.==
podroze=podroze_zdania2=Let's look at the <map>.==Popatrzmy na mapê.=z2_02.png=0=z2_02.wav==2=0==0=Popatrzmy na mapê. map – mapa.==
podroze=podroze_zdania2=We are going by <car>.==Jedziemy samochodem.=z2_03.png=0=z2_03.wav==2=0=z2_03a.png=0=Jedziemy samochodem. by car – samochodem.==
podroze=podroze_zdania2=I'm waiting at the bus <stop>.==Czekam na przystanku autobusowym.=z2_04.png=0=z2_04.wav==2=0==0=Czekam na przystanku. bus stop – przystanek autobusowy.==
podroze=podroze_zdania2=The <tram> is red.==Tramwaj jest czerwony.=z2_05.png=0=z2_05.wav==2=0==0=Tramwaj jest czerwony. tram – tramwaj.==
podroze=podroze_zdania2=He rides a <motorbike>.==On jeŸdzi motocyklem.=z2_06.png=0=z2_06.wav==2=0==0=On jeŸdzi motocyklem. motorbike – motocykl.==
podroze=podroze_zdania2=Our <hotel> is near the beach.==Nasz hotel jest blisko pla¿y.=z2_07.png=0=z2_07.wav==2=0==0=Nasz hotel jest blisko pla¿y. near – blisko.==
podroze=podroze_zdania2=The <boat> is small.==£ódka jest ma³a.=z2_08.png=0=z2_08.wav==2=0=z2_08a.png=0=£ódka jest ma³a. boat – ³ódka.==
podroze=podroze_zdania3=The plane is <taking> off.==Samolot startuje.=z3_01.png=0=z3_01.wav==3=0=z3_01a.png/z3_01b.png=0=Samolot startuje. take off – startowaæ.==
podroze=podroze_zdania3=The plane is <landing>.==Samolot l¹duje.=z3_02.png=0=z3_02.wav==3=0=z3_02a.png/z3_02b.png=0=Samolot l¹duje. land – l¹dowaæ.==
podroze=podroze_zdania3=Don't forget your <suitcase>.==Nie zapomnij walizki.=z3_03.png=0=z3_03.wav==3=0==0=Nie zapomnij walizki. forget – zapominaæ.==
podroze=podroze_zdania3=The <underground> is fast.==Metro jest szybkie.=z3_04.png=0=z3_04.wav==3=0==0=Metro jest szybkie. underground – metro (w Londynie).==
podroze=podroze_zdania3=I need a <compass> in the forest.==W lesie potrzebujê kompasu.=z3_05.png=0=z3_05.wav==3=0==0=W lesie potrzebujê kompasu. compass – kompas.==
podroze=podroze_zdania3=We sleep in a <tent>.==Œpimy w namiocie.=z3_06.png=0=z3_06.wav==3=0==0=Œpimy w namiocie. tent – namiot.==
podroze=podroze_zdania3=The ship has got an <anchor>.==Statek ma kotwicê.=z3_07.png=0=z3_07.wav==3=0==0=Statek ma kotwicê. anchor – kotwica.==
podroze=podroze_zdania3=Let's take a <taxi>.==WeŸmy taksówkê.=z3_08.png=0=z3_08.wav==3=0==0=WeŸmy taksówkê. take a taxi – pojechaæ taksówk¹.==
podroze=podroze_zdania4=We are flying to <Spain>.==Lecimy do Hiszpanii.=z4_01.png=0=z4_01.wav==4=0==0=Lecimy do Hiszpanii. Nazwy krajów piszemy wielk¹ liter¹.==
podroze=podroze_zdania4=My cousin lives in <Italy>.==Mój kuzyn mieszka we W³oszech.=z4_02.png=0=z4_02.wav==4=0==0=Mój kuzyn mieszka we W³oszech. cousin – kuzyn, kuzynka.==
podroze=podroze_zdania4=I would like to visit <France>.==Chcia³bym odwiedziæ Francjê.=z4_03.png=0=z4_03.wav==4=0==0=Chcia³bym odwiedziæ Francjê. visit – odwiedziæ.==
podroze=podroze_zdania4=We are going to <Germany>.==Jedziemy do Niemiec.=z4_04.png=0=z4_04.wav==4=0==0=Jedziemy do Niemiec. Germany – Niemcy.==
podroze=podroze_zdania4=<Poland> is my country.==Polska to mój kraj.=z4_05.png=0=z4_05.wav==4=0==0=Polska to mój kraj. country – kraj.==
podroze=podroze_zdania4=Our friends live in <Greece>.==Nasi przyjaciele mieszkaj¹ w Grecji.=z4_06.png=0=z4_06.wav==4=0==0=Nasi przyjaciele mieszkaj¹ w Grecji. Greece – Grecja.==
podroze=podroze_zdania4=My aunt works in <America>.==Moja ciocia pracuje w Ameryce.=z4_07.png=0=z4_07.wav==4=0==0=Moja ciocia pracuje w Ameryce. aunt – ciocia.==
podroze=podroze_zdania4=London is in <Britain>.==Londyn le¿y w Wielkiej Brytanii.=z4_08.png=0=z4_08.wav==4=0=z4_08a.png/z4_08b.png/z4_08c.png=0=Londyn le¿y w Wielkiej Brytanii. Britain – Wielka Brytania.==
podroze=podroze_zdania4=I want to go to <Japan>.==Chcê pojechaæ do Japonii.=z4_09.png=0=z4_09.wav==4=0==0=Chcê pojechaæ do Japonii. want – chcieæ.==
podroze=podroze_zdania4=We are travelling to <Ireland>.==Podró¿ujemy do Irlandii.=z4_10.png=0=z4_10.wav==4=0==0=Podró¿ujemy do Irlandii. travel – podró¿owaæ.==

// -------------------------------------------- czlowiek_i_otoczenie
czlowiek_i_otoczenie=czlowiek_slowka=baby==niemowlê=baby.png=0=baby.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=boy==ch³opiec=boy.png=0=boy.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=girl==dziewczynka=girl.png=0=girl.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=man==mê¿czyzna=man.png=0=man.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=woman==kobieta=woman.png=0=woman.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=grandfather==dziadek=grandfather.png=0=grandfather.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=grandmother==babcia=grandmother.png=0=grandmother.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=family==rodzina=family.png=0=family.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=eye==oko=eye.png=0=eye.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=ear==ucho=ear.png=0=ear.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=nose==nos=nose.png=0=nose.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=mouth==usta=mouth.png=0=mouth.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=hand==rêka=hand.png=0=hand.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=foot==stopa=foot.png=0=foot.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=tooth==z¹b=tooth.png=0=tooth.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_slowka=leg==noga=leg.png=0=leg.wav==30=0==0===
czlowiek_i_otoczenie=czlowiek_zdania1=This is my <grandmother>.==To moja babcia.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=To moja babcia. grandmother – babcia.=To mój dziadek. Na obrazku jest babcia.=
czlowiek_i_otoczenie=czlowiek_zdania1=The baby is <sleeping>.==Dziecko œpi.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Niemowlê œpi. sleep – spaæ.=Dziecko p³acze. Dziecko œpi.=
czlowiek_i_otoczenie=czlowiek_zdania1=The boy has got a <dog>.==Ch³opiec ma psa.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Ch³opiec ma psa. has got – ma.=Ch³opiec ma kota. Ch³opiec ma psa.=
czlowiek_i_otoczenie=czlowiek_zdania1=My sister has got <red> hair.==Moja siostra ma rude w³osy.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Moja siostra ma rude w³osy. red hair – rude w³osy.=Moja siostra ma czarne w³osy. Ona ma rude w³osy.=
czlowiek_i_otoczenie=czlowiek_zdania1=Grandpa has got white <hair>.==Dziadek ma siwe w³osy.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Dziadek ma siwe w³osy. hair – w³osy (bez -s!).=Dziadek ma czarne w³osy. Dziadek ma siwe w³osy.=
czlowiek_i_otoczenie=czlowiek_zdania1=The girl is <happy>.==Dziewczynka jest szczêœliwa.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Dziewczynka jest szczêœliwa. happy – szczêœliwy, weso³y.=Dziewczynka jest smutna. Ona siê uœmiecha.=
czlowiek_i_otoczenie=czlowiek_zdania1=There are four people in my <family>.==W mojej rodzinie s¹ cztery osoby.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=W mojej rodzinie s¹ cztery osoby. people – ludzie, osoby.=W mojej rodzinie s¹ trzy osoby. Policz: s¹ cztery.=
czlowiek_i_otoczenie=czlowiek_zdania1=My father is <cooking>.==Mój tata gotuje.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Mój tata gotuje. father – ojciec.=Mój tata czyta. Tata gotuje.=
czlowiek_i_otoczenie=czlowiek_zdania2=I see with my <eyes>.==Widzê oczami.=z2_01.png=0=z2_01.wav==2=0=z2_01a.png=0=Widzê oczami. eye – oko, eyes – oczy.==
czlowiek_i_otoczenie=czlowiek_zdania2=I hear with my <ears>.==S³yszê uszami.=z2_02.png=0=z2_02.wav==2=0==0=S³yszê uszami. ear – ucho.==
czlowiek_i_otoczenie=czlowiek_zdania2=I smell with my <nose>.==W¹cham nosem.=z2_03.png=0=z2_03.wav==2=0==0=Czujê zapach nosem. smell – w¹chaæ, czuæ zapach.==
czlowiek_i_otoczenie=czlowiek_zdania2=I eat with my <mouth>.==Jem ustami.=z2_04.png=0=z2_04.wav==2=0==0=Jem ustami. mouth – usta.==
czlowiek_i_otoczenie=czlowiek_zdania2=I write with my <hand>.==Piszê rêk¹.=z2_05.png=0=z2_05.wav==2=0==0=Piszê rêk¹. write – pisaæ.==
czlowiek_i_otoczenie=czlowiek_zdania2=I kick the ball with my <foot>.==Kopiê pi³kê stop¹.=z2_06.png=0=z2_06.wav==2=0==0=Kopiê pi³kê stop¹. kick – kopaæ.==
czlowiek_i_otoczenie=czlowiek_zdania2=Brush your <teeth> every day.==Myj zêby codziennie.=z2_07.png=0=z2_07.wav==2=0==0=Myj zêby codziennie. tooth – z¹b, teeth – zêby.==
czlowiek_i_otoczenie=czlowiek_zdania2=My <leg> hurts.==Boli mnie noga.=z2_08.png=0=z2_08.wav==2=0==0=Boli mnie noga. hurt – boleæ.==
czlowiek_i_otoczenie=czlowiek_zdania3=I am <happy> today.==Dziœ jestem szczêœliwy.=z3_01.png=0=z3_01.wav==3=0=z3_01a.png/z3_01b.png=0=Dziœ jestem szczêœliwy. today – dzisiaj.==
czlowiek_i_otoczenie=czlowiek_zdania3=He is <sad>.==On jest smutny.=z3_02.png=0=z3_02.wav==3=0==0=On jest smutny. sad – smutny.==
czlowiek_i_otoczenie=czlowiek_zdania3=She is <angry>.==Ona jest z³a.=z3_03.png=0=z3_03.wav==3=0==0=Ona jest z³a. angry – z³y, rozgniewany.==
czlowiek_i_otoczenie=czlowiek_zdania3=The baby is <tired>.==Dziecko jest zmêczone.=z3_04.png=0=z3_04.wav==3=0=z3_04a.png/z3_04b.png=0=Dziecko jest zmêczone. tired – zmêczony.==
czlowiek_i_otoczenie=czlowiek_zdania3=I am <hungry>.==Jestem g³odny.=z3_05.png=0=z3_05.wav==3=0==0=Jestem g³odny. hungry – g³odny.==
czlowiek_i_otoczenie=czlowiek_zdania3=He is <cold>.==Jest mu zimno.=z3_06.png=0=z3_06.wav==3=0==0=Jest mu zimno. cold – zimny; I am cold – jest mi zimno.==
czlowiek_i_otoczenie=czlowiek_zdania3=She is <hot>.==Jest jej gor¹co.=z3_07.png=0=z3_07.wav==3=0==0=Jest jej gor¹co. hot – gor¹cy; I am hot – jest mi gor¹co.==
czlowiek_i_otoczenie=czlowiek_zdania3=I am <ill>.==Jestem chory.=z3_08.png=0=z3_08.wav==3=0==0=Jestem chory. ill – chory.==
