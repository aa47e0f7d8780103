#include "binder/KeyNames.h"

#include <gtest/gtest.h>
