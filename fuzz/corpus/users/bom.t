5=Marek
