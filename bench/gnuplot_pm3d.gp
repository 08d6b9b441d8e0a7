# The reference for bench/preview_bench.cpp: gnuplot draws y = sin(x) cos(z) over -180..180 degrees as a pm3d surface
# to a PNG through its cairo terminal, with as many samples per axis as surfax-host's resolution gives (n + 1), at the
# same picture size. gnuplot is run as a black box for comparison only; Surfax never calls it. Invoked as
#   gnuplot -e "n = 50; width = 800; height = 600; out = 'g.png'" bench/gnuplot_pm3d.gp
set terminal pngcairo size width, height
set output out
set angles degrees
set samples n + 1, n + 1
set isosamples n + 1, n + 1
set xrange [-180:180]
set yrange [-180:180]
set view 62, 35
unset key
splot sin(x) * cos(y) with pm3d
