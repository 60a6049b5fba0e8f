#include "FunctionCodes.h"

namespace vantorel {

const std::vector<FunctionCode>& StandardFunctionCodes() {
    static const std::vector<FunctionCode> codes = {
        {QStringLiteral("TF01"), QStringLiteral("System Maintenance")},
        {QStringLiteral("TF02"), BillingFunctionDescription},
        {QStringLiteral("TF03"), QStringLiteral("User ID")},
        {QStringLiteral("TF04"), QStringLiteral("Comment on Invoice")},
        {QStringLiteral("TF05"), QStringLiteral("Authorization")},
        {QStringLiteral("TF06"), QStringLiteral("Credit Cards")},
        {QStringLiteral("TF07"), QStringLiteral("Tax & Charges")},
        {QStringLiteral("TF09"), QStringLiteral("Company Profile")},
        {QStringLiteral("TF10"), QStringLiteral("Printing")},
        {QStringLiteral("TF11"), QStringLiteral("VIP Accounts")},
        {QStringLiteral("TF12"), QStringLiteral("Events")},
        {QStringLiteral("TF13"), QStringLiteral("Inventory Control Setup")},
        {QStringLiteral("TF14"), QStringLiteral("Inventory Control Maintenance")},
        {QStringLiteral("TF15"), QStringLiteral("Menu Composition")},
        {QStringLiteral("TF16"), QStringLiteral("Bill Rounding")},
        {QStringLiteral("TF17"), QStringLiteral("Reprint Invoice")},
        {QStringLiteral("TF18"), QStringLiteral("Add Inventory")},
        {QStringLiteral("TF19"), QStringLiteral("Adjust Inventory")},
        {QStringLiteral("TF21"), QStringLiteral("Incentives")},
        {QStringLiteral("TF22"), QStringLiteral("Set Menus")},
        {QStringLiteral("TF25"), QStringLiteral("Menu Items Add & Delete")},
        {QStringLiteral("TF26"), QStringLiteral("Menu Groups")},
        {QStringLiteral("TF27"), QStringLiteral("Speedcode")},
        {QStringLiteral("TF30"), QStringLiteral("Void Invoice")},
        {QStringLiteral("TF31"), QStringLiteral("Archive")},
        {QStringLiteral("TF33"), QStringLiteral("Bill Authorization Switch and Touch Approval")},
        {QStringLiteral("TF34"), QStringLiteral("Billing Cash Drawer")},
        {QStringLiteral("TF35"), QStringLiteral("Keyboard-Touchscreen Input Switch")},
        {QStringLiteral("TF36"), QStringLiteral("User-ID Input Switch and Keyboard Approval")},
        {QStringLiteral("TF37"), QStringLiteral("Connect to Network")},
        {QStringLiteral("TR00"), QStringLiteral("Report Year and Free Period")},
        {QStringLiteral("TR01"), QStringLiteral("Report Total Sales")},
        {QStringLiteral("TR02"), QStringLiteral("Report Sales by Menu Item")},
        {QStringLiteral("TR04"), QStringLiteral("Report Paid, Pending and Void")},
        {QStringLiteral("TR05"), QStringLiteral("Report Customer Accounts")},
        {QStringLiteral("TR06"), QStringLiteral("Report Tax and Charges")},
        {QStringLiteral("TR07"), QStringLiteral("Report Inventory Additions")},
        {QStringLiteral("TR08"), QStringLiteral("Report Inventory Adjustments")},
        {QStringLiteral("TR09"), QStringLiteral("Report Current Inventory")},
        {QStringLiteral("TR10"), QStringLiteral("Report Sales by Item under Inventory Control")},
        {QStringLiteral("TR11"), QStringLiteral("Report Sales by Menu Item Details")},
        {QStringLiteral("TR14"), QStringLiteral("Report Item Sales by User")},
        {QStringLiteral("TR15"), SalesTodayFunctionDescription},
    };
    return codes;
}

} // namespace vantorel
