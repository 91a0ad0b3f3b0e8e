// Ids shared by velmora.rc and the code that loads the resources.
#pragma once

// The first icon group is the executable's icon as Explorer shows it.
#define IDI_VELMORA 1
#define IDB_SETUP_PICTURE 2
