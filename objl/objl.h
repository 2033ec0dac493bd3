// objl: the OBJ/MTL loader, its geometry records and the polygon triangulation.
#pragma once

#include "objl/geometry.h"
#include "objl/loader.h"
#include "objl/text_helpers.h"
#include "objl/triangulate_polygon.h"
