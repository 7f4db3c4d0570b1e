#pragma once

// The order in which lists are sorted: by name, by efficacy, by requirements.
enum SortMode : int { sort_by_name = 0, sort_by_efficacy = 1, sort_by_requirement = 2 };

// The one process-wide mode that sort sets and every ordering reads.
SortMode current_sort_mode();
void set_current_sort_mode(SortMode mode);
