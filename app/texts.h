#pragma once

// The texts that the dialog application shows, in one place. Plain ASCII, except the disclaimer,
// whose texts are Windows-1252 byte strings (app/windows1252.h turns them into display text).
namespace orvane::texts {

// Main dialog.
inline constexpr const char* kMainCaption = "Kestova Orvane";
inline constexpr const char* kSelectFiles = "&Select Files";
inline constexpr const char* kConvert = "&Convert";
inline constexpr const char* kReset = "&Reset";
inline constexpr const char* kClose = "&Close";
inline constexpr const char* kFilesLabel = "File(s) to Convert:";
inline constexpr const char* kZeroPercent = "0%";
inline constexpr const char* kHundredPercent = "100%";
inline constexpr const char* kDataFileLabel = "Select Data File:";
inline constexpr const char* kKeepManufacturer = "Keep Manufacturer";
inline constexpr const char* kDefaultDataFile = "Data.txt";
inline constexpr const char* kAboutItem = "&About Orvane...";

inline constexpr const char* kDataFileTip =
    "The conversion table to use. \"Data.txt\" is the table that comes with Orvane;\n"
    "type the path of another table to use that one instead.";
inline constexpr const char* kKeepManufacturerTip =
    "When checked, a product without a catalog code (MC=) line is looked up with\n"
    "the catalog code of the product before it. When cleared, it is looked up\n"
    "with an empty catalog code.";

// File selection.
inline constexpr const char* kOpenTitle = "Open SIF";
inline constexpr const char* kSifFilter = "Nexavo files (*.Sif)";
inline constexpr const char* kSifPattern = "*.sif";
inline constexpr const char* kAllFilter = "All files (*.*)";
inline constexpr const char* kAllPattern = "*.*";
inline constexpr const char* kDuplicateCaption = "Duplicate Found";
inline constexpr const char* kDuplicatePrefix = "The selected file ";
inline constexpr const char* kDuplicateSuffix = "\nhas already been added.";

// The preferences INI file.
inline constexpr const char* kPreferencesSection = "User Preferences";
inline constexpr const char* kFilesDirectoryKey = "Files Directory";

// About box.
inline constexpr const char* kAboutCaption = "About Orvane";
inline constexpr const char* kAboutProduct = "Kestova Orvane Version 1.0";
inline constexpr const char* kAboutMaker = "Copyright (C) 2010 Kestova";
inline constexpr const char* kOk = "OK";

// Disclaimer (Windows-1252). "\xB7" is the middle dot used as a bullet, "\x92" the right single
// quotation mark; each escape stands alone so that no following letter joins it.
inline constexpr const char* kDisclaimerCaption = "DISCLAIMER";
inline constexpr const char* kAccept = "ACCEPT";

inline constexpr const char* kResponsibilityHeading = "DISCLAIMER/USER RESPONSIBILITY:\n\n";
inline constexpr const char* kResponsibilityText =
    "\xB7"
    "All converted catalog numbers must be reviewed for their aesthetic and\n"
    " functional product attributes. The converter puts in programmed data\n"
    " for a comparable product, but a more appropriate choice may exist for\n"
    " your specific application. For the best product solution, review all\n"
    " converted catalog numbers thoroughly before the order is entered.\n\n";
inline constexpr const char* kProductDetailsHeading = "PRODUCT DETAILS\n";
inline constexpr const char* kProductDetailsText =
    "Effective January 1, 2011, Kestova is converting the model logic for its\n"
    "products to SIF. SIF model logic for all models goes live January 1, 2011\n"
    "and is mandatory for all orders on February 1, 2011. The timeframe:\n";
inline constexpr const char* kTimeline =
    " - 12/15/10:   New SIF libraries can be downloaded for Nexavo and Nexwin.\n"
    " - 12/23/10:   New SIF library DVD"
    "\x92"
    "s will arrive in the mail.\n"
    " - 1/1/11:       SIF models go live in the Kestova system.\n"
    " - 1/31/11:     Last day Order Entry accepts non-SIF model numbers.\n";
inline constexpr const char* kResponsibilityEnd = " ";

inline constexpr const char* kCapabilitiesHeading = "CONVERTER CAPABILITIES\n";
inline constexpr const char* kCapabilitiesText =
    " The converter maps old model numbers in expired product catalog libraries\n"
    " to their equivalents in the new libraries. Not all model numbers can be\n"
    " translated to the new format without human intervention; depending on\n"
    " the application of the product, you may have to update some model\n"
    " numbers by hand. Because the position of the 'dots' within the model and\n"
    " option string has changed, some converted part numbers must be\n"
    " re-optioned. Discontinued models are not converted. Although great care\n"
    " went into the accuracy of converted models and data, Kestova's printed\n"
    " price lists take precedence over any software support package or\n"
    " design tool: check all bills of materials and product listings\n"
    " produced by such tools against the current Kestova printed price lists.\n\n";
inline constexpr const char* kResultsHeading = "CONVERSION RESULTS\n";
inline constexpr const char* kResultsText =
    "The conversion process modifies SIF files with expired Kestova part\n"
    "numbers in the following manner:\n"
    "  - Expired part numbers are changed to the New Model Equivalents.\n"
    "  - Expired catalog codes are changed to the new catalog code in which\n"
    "    the converted model's product data can be found.\n"
    "  - List pricing, options and all other attributes are not changed. Load\n"
    "    the converted SIF file into Nexavo and update it against current\n"
    "    data from the new catalog libraries.\n"
    "  - Items not found in the conversion database (unchanged styles, old\n"
    "    discontinued styles or custom style numbers) are not converted.\n"
    "  -  A list of converted and non-converted part numbers is provided for\n"
    "     future reference.\n";

inline constexpr const char* kContact =
    "If you have questions, please contact Kestova Customer Support at 1-800-555-0147.\n";

inline constexpr const char* kAcknowledgement =
    "By clicking ACCEPT, you are acknowledging that you have read, understand, and agree to the "
    "afore mentioned disclaimer.";

} // namespace orvane::texts
