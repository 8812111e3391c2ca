#pragma once

#include <sys/types.h>

// What a process has cost so far, summed over all its threads: CPU time from
// the scheduler's own accounting (/proc/PID/task/*/schedstat, nanoseconds;
// the tick-based utime and stime of /proc/PID/stat count in 10 ms steps,
// too coarse for a process that should be idle), and context switches,
// voluntary and not (/proc/PID/task/*/status).
struct ProcessStats
{
    double cpuSeconds = 0;
    long long contextSwitches = 0;
};

// Empty figures when the process is gone.
ProcessStats readProcessStats(pid_t pid);
