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
czlowiek_i_otoczenie=czlowiek_zdania4=She is wearing a <dress>.==Ona ma na sobie sukienkê.=z4_01.png=0=z4_01.wav==4=0==0=Ona ma na sobie sukienkê. wear – mieæ na sobie.==
czlowiek_i_otoczenie=czlowiek_zdania4=He is wearing a <T-shirt>.==On ma na sobie koszulkê.=z4_02.png=0=z4_02.wav==4=0==0=On ma na sobie koszulkê. T-shirt – koszulka.==
czlowiek_i_otoczenie=czlowiek_zdania4=My <jeans> are blue.==Moje d¿insy s¹ niebieskie.=z4_03.png=0=z4_03.wav==4=0==0=Moje d¿insy s¹ niebieskie. jeans – d¿insy.==
czlowiek_i_otoczenie=czlowiek_zdania4=Put on your <coat>, it is cold.==W³ó¿ p³aszcz, jest zimno.=z4_04.png=0=z4_04.wav==4=0==0=W³ó¿ p³aszcz, jest zimno. put on – w³o¿yæ.==
czlowiek_i_otoczenie=czlowiek_zdania4=I need new <shoes>.==Potrzebujê nowych butów.=z4_05.png=0=z4_05.wav==4=0=z4_05a.png/z4_05b.png/z4_05c.png=0=Potrzebujê nowych butów. shoe – but, shoes – buty.==
czlowiek_i_otoczenie=czlowiek_zdania4=Where is my <cap>?==Gdzie jest moja czapka?=z4_06.png=0=z4_06.wav==4=0==0=Gdzie jest moja czapka z daszkiem? cap – czapka z daszkiem.==
czlowiek_i_otoczenie=czlowiek_zdania4=Grandma has got a warm <scarf>.==Babcia ma ciep³y szalik.=z4_07.png=0=z4_07.wav==4=0==0=Babcia ma ciep³y szalik. scarf – szalik.==
czlowiek_i_otoczenie=czlowiek_zdania4=I wear <gloves> in winter.==Zim¹ noszê rêkawiczki.=z4_08.png=0=z4_08.wav==4=0==0=Zim¹ noszê rêkawiczki. glove – rêkawiczka.==
czlowiek_i_otoczenie=czlowiek_zdania4=These <socks> are red.==Te skarpetki s¹ czerwone.=z4_09.png=0=z4_09.wav==4=0==0=Te skarpetki s¹ czerwone. sock – skarpetka.==
czlowiek_i_otoczenie=czlowiek_zdania4=My dad wears a <tie> to work.==Mój tata nosi krawat do pracy.=z4_10.png=0=z4_10.wav==4=0==0=Mój tata nosi do pracy krawat. tie – krawat.==

// ----------------------------------------------------------- sport
sport=sport_slowka=football==pi³ka no¿na=football.png=0=football.wav==30=0==0===
sport=sport_slowka=basketball==koszykówka=basketball.png=0=basketball.wav==30=0==0===
sport=sport_slowka=tennis==tenis=tennis.png=0=tennis.wav==30=0==0===
sport=sport_slowka=volleyball==siatkówka=volleyball.png=0=volleyball.wav==30=0==0===
sport=sport_slowka=swimming==p³ywanie=swimming.png=0=swimming.wav==30=0==0===
sport=sport_slowka=skiing==narciarstwo=skiing.png=0=skiing.wav==30=0==0===
sport=sport_slowka=cycling==kolarstwo=cycling.png=0=cycling.wav==30=0==0===
sport=sport_slowka=running==bieganie=running.png=0=running.wav==30=0==0===
sport=sport_slowka=boxing==boks=boxing.png=0=boxing.wav==30=0==0===
sport=sport_slowka=golf==golf=golf.png=0=golf.wav==30=0==0===
sport=sport_slowka=skating==³y¿wiarstwo=skating.png=0=skating.wav==30=0==0===
sport=sport_slowka=surfing==surfing=surfing.png=0=surfing.wav==30=0==0===
sport=sport_slowka=climbing==wspinaczka=climbing.png=0=climbing.wav==30=0==0===
sport=sport_slowka=medal==medal=medal.png=0=medal.wav==30=0==0===
sport=sport_slowka=cup==puchar=cup.png=0=cup.wav==30=0==0===
sport=sport_slowka=table tennis==tenis sto³owy=table_tennis.png=0=table_tennis.wav==30=0==0===
sport=sport_zdania1=The boy is playing <football>.==Ch³opiec gra w pi³kê no¿n¹.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Ch³opiec gra w pi³kê no¿n¹. play football – graæ w pi³kê.=Ch³opiec gra w tenisa. Na obrazku jest pi³ka no¿na.=
sport=sport_zdania1=She is <swimming> in the pool.==Ona p³ywa w basenie.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Ona p³ywa w basenie. pool – basen.=Ona biega w parku. Ona p³ywa.=
sport=sport_zdania1=The man is <skiing>.==Mê¿czyzna jeŸdzi na nartach.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Mê¿czyzna jeŸdzi na nartach. ski – jeŸdziæ na nartach.=Mê¿czyzna jeŸdzi na ³y¿wach. On jeŸdzi na nartach.=
sport=sport_zdania1=The player has got a <medal>.==Zawodnik ma medal.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Zawodnik ma medal. player – zawodnik.=Zawodnik ma puchar. Na obrazku jest medal.=
sport=sport_zdania1=They are playing <basketball>.==Oni graj¹ w koszykówkê.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Oni graj¹ w koszykówkê. basketball – koszykówka.=Oni graj¹ w siatkówkê. Na obrazku jest koszykówka.=
sport=sport_zdania1=The girl is riding a <bike>.==Dziewczynka jedzie na rowerze.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Dziewczynka jedzie na rowerze. bike – rower.=Dziewczynka jedzie na koniu. Ona jedzie na rowerze.=
sport=sport_zdania1=The ball is in the <goal>.==Pi³ka jest w bramce.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Pi³ka jest w bramce. goal – bramka, gol.=Pi³ka jest na dachu. Pi³ka jest w bramce.=
sport=sport_zdania1=He is <climbing> a wall.==On wspina siê po œcianie.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=On wspina siê po œcianie. climb – wspinaæ siê.=On p³ywa w morzu. On siê wspina.=
sport=sport_zdania2=I play <tennis> on Saturdays.==W soboty gram w tenisa.=z2_01.png=0=z2_01.wav==2=0==0=W soboty gram w tenisa. tennis – tenis.==
sport=sport_zdania2=My dad plays <golf>.==Mój tata gra w golfa.=z2_02.png=0=z2_02.wav==2=0=z2_02a.png=0=Mój tata gra w golfa. golf – golf.==
sport=sport_zdania2=We go <skating> in winter.==Zim¹ chodzimy na ³y¿wy.=z2_03.png=0=z2_03.wav==2=0==0=Zim¹ chodzimy na ³y¿wy. skate – jeŸdziæ na ³y¿wach.==
sport=sport_zdania2=He likes <boxing>.==On lubi boks.=z2_04.png=0=z2_04.wav==2=0==0=On lubi boks. boxing – boks.==
sport=sport_zdania2=She likes <surfing>.==Ona lubi surfowaæ.=z2_05.png=0=z2_05.wav==2=0=z2_05a.png=0=Ona lubi surfing. surf – surfowaæ.==
sport=sport_zdania2=They are <running> a race.==Oni bior¹ udzia³ w biegu.=z2_06.png=0=z2_06.wav==2=0==0=Oni biegn¹ w wyœcigu. race – wyœcig.==
sport=sport_zdania2=I play <volleyball> on the beach.==Gram w siatkówkê na pla¿y.=z2_07.png=0=z2_07.wav==2=0==0=Gram w siatkówkê na pla¿y. volleyball – siatkówka.==
sport=sport_zdania2=Let's play table <tennis>.==Zagrajmy w tenisa sto³owego.=z2_08.png=0=z2_08.wav==2=0==0=Zagrajmy w tenisa sto³owego. table tennis – ping-pong.==
sport=sport_zdania3=Where is my <ball>?==Gdzie jest moja pi³ka?=z3_01.png=0=z3_01.wav==3=0==0=Gdzie jest moja pi³ka? ball – pi³ka.==
sport=sport_zdania3=I need my <racket>.==Potrzebujê swojej rakiety.=z3_02.png=0=z3_02.wav==3=0==0=Potrzebujê swojej rakiety. racket – rakieta (do gry).==
sport=sport_zdania3=These are my new <trainers>.==To s¹ moje nowe buty sportowe.=z3_03.png=0=z3_03.wav==3=0==0=To moje nowe buty sportowe. trainers – buty sportowe.==
sport=sport_zdania3=The team won the <cup>.==Dru¿yna zdoby³a puchar.=z3_04.png=0=z3_04.wav==3=0=z3_04a.png/z3_04b.png=0=Dru¿yna zdoby³a puchar. team – dru¿yna.==
sport=sport_zdania3=He has got a gold <medal>.==On ma z³oty medal.=z3_05.png=0=z3_05.wav==3=0=z3_05a.png/z3_05b.png=0=On ma z³oty medal. gold – z³oty.==
sport=sport_zdania3=Take your <skis>.==WeŸ swoje narty.=z3_06.png=0=z3_06.wav==3=0==0=WeŸ swoje narty. ski – narta.==
sport=sport_zdania3=Look at my new <skateboard>.==Popatrz na moj¹ now¹ deskorolkê.=z3_07.png=0=z3_07.wav==3=0==0=Popatrz na moj¹ now¹ deskorolkê. skateboard – deskorolka.==
sport=sport_zdania3=I have got a new <bike>.==Mam nowy rower.=z3_08.png=0=z3_08.wav==3=0==0=Mam nowy rower. bike – rower.==
sport=sport_zdania4=The runner is <first>.==Biegacz jest pierwszy.=z4_01.png=0=z4_01.wav==4=0=z4_01a.png/z4_01b.png/z4_01c.png=0=Biegacz jest pierwszy. first – pierwszy.==
sport=sport_zdania4=Our team has got <blue> shirts.==Nasza dru¿yna ma niebieskie koszulki.=z4_02.png=0=z4_02.wav==4=0==0=Nasza dru¿yna ma niebieskie koszulki. shirt – koszulka.==
sport=sport_zdania4=The match starts at <three> o'clock.==Mecz zaczyna siê o trzeciej.=z4_03.png=0=z4_03.wav==4=0==0=Mecz zaczyna siê o trzeciej. match – mecz.==
sport=sport_zdania4=The goalkeeper catches the <ball>.==Bramkarz ³apie pi³kê.=z4_04.png=0=z4_04.wav==4=0==0=Bramkarz ³apie pi³kê. goalkeeper – bramkarz.==
sport=sport_zdania4=The <stadium> is full.==Stadion jest pe³ny.=z4_05.png=0=z4_05.wav==4=0==0=Stadion jest pe³ny. full – pe³ny.==
sport=sport_zdania4=She is <diving>.==Ona nurkuje.=z4_06.png=0=z4_06.wav==4=0==0=Ona nurkuje. dive – nurkowaæ.==
sport=sport_zdania4=He is lifting <weights>.==On podnosi ciê¿ary.=z4_07.png=0=z4_07.wav==4=0==0=On podnosi ciê¿ary. weight – ciê¿ar.==
sport=sport_zdania4=The man is riding a <horse>.==Mê¿czyzna jedzie konno.=z4_08.png=0=z4_08.wav==4=0==0=Mê¿czyzna jedzie na koniu. horse – koñ.==
sport=sport_zdania4=We are <rowing> a boat.==Wios³ujemy w ³odzi.=z4_09.png=0=z4_09.wav==4=0==0=Wios³ujemy w ³odzi. row – wios³owaæ.==
sport=sport_zdania4=The skier is going <down> the hill.==Narciarz zje¿d¿a ze wzgórza.=z4_10.png=0=z4_10.wav==4=0==0=Narciarz zje¿d¿a ze wzgórza. down – w dó³.==

// ----------------------------------------------------------- rozne
rozne=rozne_slowka=sun==s³oñce=sun.png=0=sun.wav==30=0==0===
rozne=rozne_slowka=rain==deszcz=rain.png=0=rain.wav==30=0==0===
rozne=rozne_slowka=cloud==chmura=cloud.png=0=cloud.wav==30=0==0===
rozne=rozne_slowka=wind==wiatr=wind.png=0=wind.wav==30=0==0===
rozne=rozne_slowka=rainbow==têcza=rainbow.png=0=rainbow.wav==30=0==0===
rozne=rozne_slowka=umbrella==parasol=umbrella.png=0=umbrella.wav==30=0==0===
rozne=rozne_slowka=star==gwiazda=star.png=0=star.wav==30=0==0===
rozne=rozne_slowka=flower==kwiat=flower.png=0=flower.wav==30=0==0===
rozne=rozne_slowka=tree==drzewo=tree.png=0=tree.wav==30=0==0===
rozne=rozne_slowka=present==prezent=present.png=0=present.wav==30=0==0===
rozne=rozne_slowka=balloon==balon=balloon.png=0=balloon.wav==30=0==0===
rozne=rozne_slowka=letter==list=letter.png=0=letter.wav==30=0==0===
rozne=rozne_slowka=phone==telefon=phone.png=0=phone.wav==30=0==0===
rozne=rozne_slowka=money==pieni¹dze=money.png=0=money.wav==30=0==0===
rozne=rozne_slowka=glasses==okulary=glasses.png=0=glasses.wav==30=0==0===
rozne=rozne_slowka=hat==kapelusz=hat.png=0=hat.wav==30=0==0===
rozne=rozne_zdania1=It is <sunny> today.==Dziœ jest s³onecznie.=z1_01.png=0=z1_01.wav=z1_01b.wav=1=0==0=Dziœ jest s³onecznie. sunny – s³oneczny.=Dziœ jest deszczowo. Œwieci s³oñce.=
rozne=rozne_zdania1=It is <raining>.==Pada deszcz.=z1_02.png=0=z1_02.wav=z1_02b.wav=1=0==0=Pada deszcz. rain – padaæ (o deszczu).=Pada œnieg. Na obrazku pada deszcz.=
rozne=rozne_zdania1=There is a <rainbow> in the sky.==Na niebie jest têcza.=z1_03.png=0=z1_03.wav=z1_03b.wav=1=0==0=Na niebie jest têcza. rainbow – têcza.=Na niebie jest samolot. Na niebie jest têcza.=
rozne=rozne_zdania1=It is <windy> today.==Dziœ jest wietrznie.=z1_04.png=0=z1_04.wav=z1_04b.wav=1=0==0=Dziœ jest wietrznie. windy – wietrzny.=Dziœ jest gor¹co. Na obrazku wieje wiatr.=
rozne=rozne_zdania1=It is <snowing>.==Pada œnieg.=z1_05.png=0=z1_05.wav=z1_05b.wav=1=0==0=Pada œnieg. snow – padaæ (o œniegu).=Pada deszcz. Na obrazku pada œnieg.=
rozne=rozne_zdania1=There is a <storm>.==Jest burza.=z1_06.png=0=z1_06.wav=z1_06b.wav=1=0==0=Jest burza. storm – burza.=Jest têcza. Na obrazku jest burza.=
rozne=rozne_zdania1=There are many <clouds>.==Jest du¿o chmur.=z1_07.png=0=z1_07.wav=z1_07b.wav=1=0==0=Jest du¿o chmur. cloud – chmura.=Jest du¿o gwiazd. Na niebie s¹ chmury.=
rozne=rozne_zdania1=It is <foggy> this morning.==Dziœ rano jest mg³a.=z1_08.png=0=z1_08.wav=z1_08b.wav=1=0==0=Dziœ rano jest mgliœcie. fog – mg³a, foggy – mglisty.=Dziœ rano jest s³onecznie. Na obrazku jest mg³a.=
rozne=rozne_zdania2=Here is a <present> for you.==Oto prezent dla ciebie.=z2_01.png=0=z2_01.wav==2=0=z2_01a.png=0=Oto prezent dla ciebie. present – prezent.==
rozne=rozne_zdania2=Look at the red <balloon>.==Popatrz na czerwony balon.=z2_02.png=0=z2_02.wav==2=0=z2_02a.png=0=Popatrz na czerwony balon. balloon – balon.==
rozne=rozne_zdania2=Let's light the <candles>.==Zapalmy œwieczki.=z2_03.png=0=z2_03.wav==2=0==0=Zapalmy œwieczki. light – zapalaæ, candle – œwieczka.==
rozne=rozne_zdania2=Happy <birthday>!==Wszystkiego najlepszego z okazji urodzin!=z2_04.png=0=z2_04.wav==2=0==0=Wszystkiego najlepszego z okazji urodzin! birthday – urodziny.==
rozne=rozne_zdania2=I got a <card> from Grandma.==Dosta³em kartkê od babci.=z2_05.png=0=z2_05.wav==2=0==0=Dosta³em kartkê od babci. card – kartka.==
rozne=rozne_zdania2=We play <music> at the party.==Na przyjêciu puszczamy muzykê.=z2_06.png=0=z2_06.wav==2=0==0=Na przyjêciu puszczamy muzykê. party – przyjêcie.==
rozne=rozne_zdania2=Can I have some <lemonade>?==Czy mogê dostaæ lemoniady?=z2_07.png=0=z2_07.wav==2=0==0=Czy mogê dostaæ lemoniady? lemonade – lemoniada.==
rozne=rozne_zdania2=We are dancing at the <party>.==Tañczymy na przyjêciu.=z2_08.png=0=z2_08.wav==2=0==0=Tañczymy na przyjêciu. dance – tañczyæ.==
rozne=rozne_zdania3=Where are my <glasses>?==Gdzie s¹ moje okulary?=z3_01.png=0=z3_01.wav==3=0=z3_01a.png/z3_01b.png=0=Gdzie s¹ moje okulary? glasses – okulary.==
rozne=rozne_zdania3=My <phone> is ringing.==Dzwoni mój telefon.=z3_02.png=0=z3_02.wav==3=0==0=Dzwoni mój telefon. ring – dzwoniæ.==
rozne=rozne_zdania3=I have got a <letter> for you.==Mam dla ciebie list.=z3_03.png=0=z3_03.wav==3=0==0=Mam dla ciebie list. letter – list.==
rozne=rozne_zdania3=Take an <umbrella>.==WeŸ parasol.=z3_04.png=0=z3_04.wav==3=0==0=WeŸ parasol. umbrella – parasol.==
rozne=rozne_zdania3=This <hat> is very old.==Ten kapelusz jest bardzo stary.=z3_05.png=0=z3_05.wav==3=0=z3_05a.png/z3_05b.png=0=Ten kapelusz jest bardzo stary. hat – kapelusz.==
rozne=rozne_zdania3=There is some <money> in my bag.==W mojej torbie s¹ pieni¹dze.=z3_06.png=0=z3_06.wav==3=0==0=W mojej torbie s¹ pieni¹dze. money – pieni¹dze (po angielsku liczba pojedyncza).==
rozne=rozne_zdania3=I read the <newspaper> every day.==Codziennie czytam gazetê.=z3_07.png=0=z3_07.wav==3=0==0=Codziennie czytam gazetê. newspaper – gazeta.==
rozne=rozne_zdania3=The <key> is on the table.==Klucz le¿y na stole.=z3_08.png=0=z3_08.wav==3=0==0=Klucz le¿y na stole. key – klucz.==
rozne=rozne_zdania4=The apple is <red>.==Jab³ko jest czerwone.=z4_01.png=0=z4_01.wav==4=0==0=Jab³ko jest czerwone. red – czerwony.==
rozne=rozne_zdania4=The sky is <blue>.==Niebo jest niebieskie.=z4_02.png=0=z4_02.wav==4=0==0=Niebo jest niebieskie. blue – niebieski.==
rozne=rozne_zdania4=The leaf is <green>.==Liœæ jest zielony.=z4_03.png=0=z4_03.wav==4=0==0=Liœæ jest zielony. green – zielony.==
rozne=rozne_zdania4=The sun is <yellow>.==S³oñce jest ¿ó³te.=z4_04.png=0=z4_04.wav==4=0==0=S³oñce jest ¿ó³te. yellow – ¿ó³ty.==
rozne=rozne_zdania4=The orange is <orange>.==Pomarañcza jest pomarañczowa.=z4_05.png=0=z4_05.wav==4=0==0=Pomarañcza jest pomarañczowa. orange – pomarañcza oraz pomarañczowy.==
rozne=rozne_zdania4=The <circle> is blue.==Ko³o jest niebieskie.=z4_06.png=0=z4_06.wav==4=0=z4_06a.png/z4_06b.png/z4_06c.png=0=Ko³o jest niebieskie. circle – ko³o.==
rozne=rozne_zdania4=The <square> is red.==Kwadrat jest czerwony.=z4_07.png=0=z4_07.wav==4=0=z4_07a.png/z4_07b.png/z4_07c.png=0=Kwadrat jest czerwony. square – kwadrat.==
rozne=rozne_zdania4=The <triangle> is red.==Trójk¹t jest czerwony.=z4_08.png=0=z4_08.wav==4=0==0=Trójk¹t jest czerwony. triangle – trójk¹t.==
rozne=rozne_zdania4=The <star> is gold.==Gwiazda jest z³ota.=z4_09.png=0=z4_09.wav==4=0==0=Gwiazda jest z³ota. gold – z³oty.==
rozne=rozne_zdania4=The <heart> is pink.==Serce jest ró¿owe.=z4_10.png=0=z4_10.wav==4=0==0=Serce jest ró¿owe. heart – serce, pink – ró¿owy.==

