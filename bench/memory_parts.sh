# SPDX-License-Identifier: GPL-3.0-or-later
# What the memory of a running program is made of: its proportional set size (PSS) by
# part, from the mappings the kernel lists for it.
#   bench/memory_parts.sh PID
awk '
/^[0-9a-f]+-[0-9a-f]+ / {
  name = (NF >= 6) ? $6 : "[anonymous]"
  if (name ~ /LLVM/) part = "LLVM (the software renderer'"'"'s compiler)"
  else if (name ~ /_dri\.so|gallium|libGL|libglapi|libGLX|libEGL/) part = "Mesa driver and GL libraries"
  else if (name ~ /libQt6/) part = "Qt libraries"
  else if (name ~ /\[heap\]/) part = "heap (textures, decoded sounds, Qt and program data)"
  else if (name ~ /\[anonymous\]/) part = "anonymous mappings (GL buffers, thread stacks)"
  else if (name ~ /orvane/) part = "the program itself"
  else part = "other libraries and files"
  next
}
/^Pss:/ { pss[part] += $2; total += $2 }
END {
  for (p in pss) printf "%8.1f MiB  %s\n", pss[p] / 1024, p
  printf "%8.1f MiB  in all\n", total / 1024
}' "/proc/${1:?usage: $0 PID}/smaps" | sort -rn
