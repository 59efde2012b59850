#pragma once

// The benchmark that times the scoreboard mapping against the bare JSON parse of the same bytes, and the
// counter in which it reports mapping time / parse time. glimmerbox-bench prints the figure last.
inline constexpr const char* ratioBenchmarkName = "ScoreboardMapping/mappingOverParse";
inline constexpr const char* ratioCounterName = "mapping/parse";
