1=Ala
x=Ola
1=Ewa

=
3=Kuba