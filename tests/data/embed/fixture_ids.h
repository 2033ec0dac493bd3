/* Ids of the embedding fixture. */
#ifndef FIXTURE_IDS_H
#define FIXTURE_IDS_H
#define FIXTURE_TEXT 200
#define FIXTURE_TYPE "CUSTOM"
#endif
