# How much of a recorded stretch one sound explains. Input: the sound's samples, then the
# stretch's, one a line. The sound is placed where the stretch first grows loud (searched a little
# either side) and scaled by the best gain; prints the sound's name (-v name=...), the share of
# the stretch's energy the sound leaves unexplained (0 for the sound alone, 1 for no likeness) and
# that gain.
FNR == 1 { file++ }
file == 1 { sound[++m] = $1; if (!soundStart && ($1 > 200 || $1 < -200)) soundStart = m }
file == 2 { heard[++n] = $1; energy += $1 * $1; if (!heardStart && ($1 > 100 || $1 < -100)) heardStart = n }
END {
  best = 0; gain = 0
  if (soundStart && heardStart && energy > 0)
    for (shift = heardStart - soundStart - 40; shift <= heardStart - soundStart + 40; shift++) {
      cross = 0; own = 0
      for (i = 1; i <= m; i++) {
        if (i + shift < 1 || i + shift > n) continue
        cross += heard[i + shift] * sound[i]; own += sound[i] * sound[i]
      }
      if (own > 0 && cross > 0 && cross * cross / own > best) { best = cross * cross / own; gain = cross / own }
    }
  print name, (energy > 0 ? 1 - best / energy : 1), gain
}
