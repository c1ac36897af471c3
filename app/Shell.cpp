#include "app/Shell.h"
