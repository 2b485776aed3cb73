/* ADM Dialog Group Suite: which dock group a palette sits in, and where. */
#ifndef KERFWORKS_HOSTAPI_ADM_DIALOG_GROUP_SUITE_H
#define KERFWORKS_HOSTAPI_ADM_DIALOG_GROUP_SUITE_H

#include "hostapi/host_types.h"

KW_EXTERN_C_BEGIN

#define kADMDialogGroupSuite "ADM Dialog Group Suite"
#define kADMDialogGroupSuiteVersion 6

/* Both take a live dialog and answer kBadParameterErr otherwise. */
typedef struct ADMDialogGroupSuite {
  /* The dock group the dialog belongs to (name owned by the host until the next
   * SetDialogGroupInfo; empty with code 0 when in none) and its position code. */
  ASErr(KW_API* GetDialogGroupInfo)(ADMDialogRef dialog, const char** groupName,
                                    int32_t* positionCode);
  /* Places the dialog into dock group `groupName` (copied) at `positionCode`. */
  ASErr(KW_API* SetDialogGroupInfo)(ADMDialogRef dialog, const char* groupName,
                                    int32_t positionCode);
} ADMDialogGroupSuite;

KW_EXTERN_C_END

#ifdef KW_STATIC_ASSERT
KW_SUITE_SLOTS(ADMDialogGroupSuite, 2);
#endif

#endif /* KERFWORKS_HOSTAPI_ADM_DIALOG_GROUP_SUITE_H */
