/* Integer ids of the resources carried inside the executable.
   Read by the resource script (velmorant.rc) and by C++ alike, so plain defines only. */
#ifndef VELMORANT_RESOURCE_IDS_H
#define VELMORANT_RESOURCE_IDS_H

/* Custom resource type of every text resource (shaders, model texts). */
#define RT_TEXTFILE_NAME "TEXTFILE"

/* Text resources. */
#define IDR_BACKGROUND_FRAGMENT 136
#define IDR_BACKGROUND_VERTEX 137
#define IDR_RECTANGLE_MTL 140
#define IDR_RECTANGLE_OBJ 141

/* Artwork. */
#define IDB_LOGO 101
#define IDI_APP 102
#define IDI_APP_SMALL 113

#endif
