#pragma once

// What the benchmark needs to know of the loaded catalogue to choose its actions.

#include <string>

#include "catalogue/catalogue.h"

struct CatalogueShape {
    int categories = 0; // categories with at least one item
    // The single minimum bound that keeps the count closest to half of the catalogue: the
    // stat row (its stem, as in "level_min_edit"), the bound and the items it keeps.
    std::string half_stat = "level";
    int half_stat_index = 0; // in the order level, strength, ... attack
    int half_bound = 1;
    long half_kept = 0;
};

// Reads the catalogue once.
CatalogueShape shape_of_catalogue(const torvane::Catalogue& catalogue);
