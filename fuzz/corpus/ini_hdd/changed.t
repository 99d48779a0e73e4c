anim_menu=1
sample=2
autoplay=1
