// The question-file writer and the model helpers under their former name, for
// tests that still include this header.
#pragma once

#include "support/census_files.h"
#include "support/description_file.h"
