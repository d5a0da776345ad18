#include "support/headless_app.h"
