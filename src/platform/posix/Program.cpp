#include "platform/Program.h"
