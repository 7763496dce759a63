#!/usr/bin/env bash
# Source this file.

# cpu_ticks PID: user plus system time of the process so far, in clock ticks
# (fields 14 and 15 of /proc/<pid>/stat, which count every thread).
cpu_ticks() {
  awk '{print $14 + $15}' "/proc/$1/stat"
}

# wakeups PID: voluntary context switches of all the process's threads so
# far. A thread waiting for events makes one each time it is woken.
wakeups() {
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n + 0}'
}

# cpu_share TICKS SECONDS: TICKS of CPU as "X s CPU in S s = P % of one core".
cpu_share() {
  awk -v used="$1" -v hz="$(getconf CLK_TCK)" -v s="$2" 'BEGIN {
      cpu = used / hz
      printf "%.2f s CPU in %d s = %.3f %% of one core", cpu, s, 100 * cpu / s
  }'
}

# measure_cpu PID SECONDS LABEL: prints how much CPU the process used over
# the next SECONDS, as a share of one core.
measure_cpu() {
  local pid=$1 seconds=$2 label=$3 before
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  echo "$label: $(cpu_share $(( $(cpu_ticks "$pid") - before )) "$seconds")"
}
