/* Umbrella kept for existing includes: the suites over the document (documents, layers, art
 * objects, paths, path styles, flattening, art lists, tags, host actions, and the three suites
 * acquired but never called). Prefer the one header of the suite used. */
#ifndef KERFWORKS_HOSTAPI_AI_ART_SUITES_H
#define KERFWORKS_HOSTAPI_AI_ART_SUITES_H

#include "hostapi/ai_action_manager_suite.h"
#include "hostapi/ai_art_suite.h"
#include "hostapi/ai_document_suite.h"
#include "hostapi/ai_layer_suite.h"
#include "hostapi/ai_matching_art_suite.h"
#include "hostapi/ai_path_construction_suite.h"
#include "hostapi/ai_path_style_suite.h"
#include "hostapi/ai_path_suite.h"
#include "hostapi/ai_tag_suite.h"
#include "hostapi/ai_uncalled_suites.h"

#endif /* KERFWORKS_HOSTAPI_AI_ART_SUITES_H */
