autoplay=1
anim_menu=1
