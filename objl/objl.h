// objl: the OBJ/MTL loader.
#pragma once
