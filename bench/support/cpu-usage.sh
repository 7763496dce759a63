#!/usr/bin/env bash
# Source this file. measure_cpu PID SECONDS LABEL: prints how much CPU the
# process used over the next SECONDS, as a share of one core.
measure_cpu() {
  local pid=$1 seconds=$2 label=$3
  local ticks_per_second before after
  ticks_per_second=$(getconf CLK_TCK)
  # Fields 14 and 15 of /proc/<pid>/stat: user and system time in clock ticks.
  before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  sleep "$seconds"
  after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  awk -v used="$((after - before))" -v hz="$ticks_per_second" -v s="$seconds" -v label="$label" 'BEGIN {
      cpu = used / hz
      printf "%s: %.2f s CPU in %d s = %.3f %% of one core\n", label, cpu, s, 100 * cpu / s
  }'
}
