#pragma once
// Conversions through the task-list component as the converter runs them, against references in the same
// run: a user-interface thread that serves its hand-overs only every 100 ms against one that serves them
// at once, and the 720p H.264 + AAC job against the plain loop.

/// Registers the task-list benchmarks.
void RegisterTaskListBenchmarks();
/// Prints their figures against their aims.
void PrintTaskListResults();
