anim_menu=0
sample=1
autoplay=0
