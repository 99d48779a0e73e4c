1=Ala
2=Bartek
7=¯aneta £êcka
