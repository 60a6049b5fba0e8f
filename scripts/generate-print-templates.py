#!/usr/bin/env python3
"""Writes the default PRINT tree (resources/PRINT) that every new data folder receives.

Receipts come in one template per paper, header choice, stage, payment and feature set; they are generated
from the pieces below so that all of them stay alike. Run from anywhere; existing files are overwritten.
The format is described in docs/report-templates.md.
"""
import itertools
import os
import shutil

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "PRINT")

# folder: (page line, width, is roll)
PAPERS = {
    "A5": ("page A5", 64, False),
    "A6": ("page A6", 44, False),
    "RP": ("page 80mm", 40, True),   # impact roll printer
    "RPT": ("page 80mm", 42, True),  # thermal roll printer
    "MIN": ("page 58mm", 32, True),  # mini printer
}

FEATURES = ["ID", "BD", "SC", "TA"]


def feature_name(flags):
    return "".join(("+" if on else "-") + name for name, on in zip(FEATURES, flags)) + ".FRF"


def business_header(roll):
    big = "bold big " if roll else "bold "
    return [
        f"{big}center {{Name}}",
        "if Address: center {Address}",
        "if PostCode or Country: center {PostCode} {Country}",
        "if Tel: center Tel. {Tel}",
        "blank",
    ]


def letterhead_space():
    # Sheets without the printed header leave room for the business's own letterhead.
    return ["blank"] * 6


def item_lines(width, item_discount):
    if width >= 56:
        lines = ["text {Quantity:qty:>4}  {Item:<30} {SalesPrice:money:>10}{>}{SumItem:money}"]
    else:
        lines = [
            "text {Quantity:qty:>3} {Item}{>}{SumItem:money}",
            "if Quantity != 1: text     {Quantity:qty} x {SalesPrice:money}",
        ]
    if item_discount:
        indent = " " * (6 if width >= 56 else 4)  # under the item's name
        lines += [
            f"if ItemDiscPerc > 0 and ItemDiscPerc < 100: text {indent}less {{ItemDiscPerc:number}}% discount{{>}}-{{LineDiscount:money}}",
            f"if ItemDiscPerc >= 100: text {indent}free of charge{{>}}-{{LineDiscount:money}}",
        ]
    return lines


def bill_head(title, width):
    lines = [
        f"bold center {title}",
        "text Bill no. {BillABillA}{>}Table {Table}",
        "text Waiter {Waiter}{>}{#now:date} {#now:time}",
        "if CustomerName: text Guest {CustomerName}",
        "rule",
    ]
    if width >= 56:
        # Column titles over the columns of the detail line.
        lines.append(f"text {'Qty':>4}  {'Item':<30} {'Price':>10}{{>}}Amount")
        lines.append("rule")
    return lines


def totals(flags, roll):
    item_discount, bill_discount, service, tax = flags
    lines = []
    if any(flags):
        lines += ["rule", "text Subtotal{>}{sum(SumItem):money}"]
    if item_discount:
        lines.append("if sum(LineDiscount) != 0: text Item discounts{>}-{sum(LineDiscount):money}")
    if bill_discount:
        lines.append("if BillDisc != 0: text Bill discount {BillDiscPerc:number}%{>}-{BillDisc:money}")
    if service:
        lines.append("if ServCharge != 0 and ServChargeOnBill: text Service charge {ServChargePerc:number}%{>}{ServCharge:money}")
    if tax:
        lines.append("if SalesTax != 0 and TaxOnBill: text Sales tax {SalesTaxPerc:number}%{>}{SalesTax:money}")
        lines.append("if GovTax != 0 and TaxOnBill: text Government tax {GovTaxPerc:number}%{>}{GovTax:money}")
    lines.append("rule =")
    lines.append(("bold big " if roll else "bold ") + "text TOTAL{>}{NetPayment:money}")
    return lines


def payment(pay):
    if pay == "CASH":
        return [
            "text Cash{>}{PayAmount:money}",
            "text Change{>}{Change:money}",
        ]
    return [
        "text Paid by card {CreditCard}{>}{NetPayment:money}",
        "if CreditNoDummy and CreditNoDummy != 'XP': text Card {CreditNoDummy}",
    ]


def closing(final):
    lines = ["if AdjNo: center {AdjNo}", "blank"]
    if final:
        lines.insert(0, "if BillSettledBy: text Settled by {BillSettledBy}")
    lines += ["if BillRemark1: center {BillRemark1}", "if BillRemark2: center {BillRemark2}"]
    return lines


def blanked(lines):
    """The same lines as blank lines under the same conditions, so that a reinserted first printout lines up."""
    out = []
    for line in lines:
        if line.startswith("if "):
            cond, _ = line.split(":", 1)
            out.append(f"{cond}: blank")
        else:
            out.append("blank")
    return out


def receipt(paper, header, stage, pay, flags):
    page, width, roll = PAPERS[paper]
    first = stage in ("FIRST", "PLAIN")
    title = "BILL" if first else "RECEIPT"
    head = business_header(roll) if (roll or header) else letterhead_space()
    report_header = head + bill_head(title, width)
    detail = item_lines(width, flags[0])
    summary = totals(flags, roll)
    if stage == "FINAL":
        # Printed onto the first printout: only the payment, below where the first bill ended.
        report_header = blanked(report_header)
        detail = blanked(detail)
        summary = blanked(summary) + ["rule"] + payment(pay) + closing(True)
    elif first:
        summary = summary + closing(False)
    else:
        summary = summary + payment(pay) + ["blank"] + closing(True)

    kind = {"FIRST": "first bill", "PLAIN": "first bill", "FINAL": "final bill on the first printout",
            "DIRECT": "complete final bill", "THANKS": "final bill"}[stage]
    features = ", ".join(f"{'with' if on else 'without'} {name}" for name, on in zip(
        ["item discount", "bill discount", "service charge", "tax"], flags))
    text = [f"# Receipt: {kind}" + (f", paid by {pay.lower()}" if pay else "") + f"; {features}.",
            "# Dataset: the bill's lines, each with the bill header (BillA) and the settings (Utility).",
            "title Receipt", page, f"width {width}", "", "[ReportHeader]"]
    text += [("  " + l) for l in report_header]
    text += ["", "[Detail]"] + [("  " + l) for l in detail]
    text += ["", "[Summary]"] + [("  " + l) for l in summary]
    return "\n".join(text) + "\n"


def vip_daily(paper):
    page, width, roll = PAPERS[paper]
    lines = ["# Customer-account statement: the account's lines booked today.",
             "# Dataset: the bill's lines with BillA, Utility and the account (StackedBill).",
             "title Account statement", page, f"width {width}", "", "[ReportHeader]"]
    lines += ["  " + l for l in business_header(roll)]
    lines += ["  bold center ACCOUNT STATEMENT",
              "  text Account {Customer}{>}{#now:date} {#now:time}",
              "  text Bill no. {BillABillA}{>}Table {Table}",
              "  rule", "", "[Detail]",
              "  text {OrderDate:time} {Quantity:qty:>3} {Item}{>}{ItemsPayment:money}", "",
              "[Summary]", "  rule",
              "  bold text Total today{>}{sum(ItemsPayment):money}",
              "  text Credit used{>}{TotalCredit:money}",
              "  text Credit available{>}{AvailableCredit:money}",
              "  if AdjNo: center {AdjNo}", "  blank",
              "  if BillRemark1: center {BillRemark1}", "  if BillRemark2: center {BillRemark2}"]
    return "\n".join(lines) + "\n"


def barslip(paper):
    page, width, roll = PAPERS[paper]
    big = "bold big " if roll else "bold "
    lines = ["# Order slip on the receipt printer: every queued order line, by table.",
             "# Dataset: BarSlip (Waiter, TableNum, Item, Number).",
             "title Order slip", page, f"width {width}", "",
             "[GroupHeader TableNum]",
             f"  {big}center ORDER",
             f"  {big}text Table {{TableNum}}",
             "  text Waiter {Waiter}{>}{#now:date} {#now:time}",
             "  rule", "",
             "[Detail]",
             f"  {big}text {{Number:qty:>3}} {{Item}}", "",
             "[GroupFooter TableNum]",
             "  rule",
             "  blank"]
    return "\n".join(lines) + "\n"


def barslip_lp(paper):
    page, width, roll = PAPERS[paper]
    big = "bold big " if roll else "bold "
    lines = ["# Order slip for a kitchen or bar printer (and its total on the receipt printer).",
             "# Dataset: Int1 quantity, Str2 item, Str3 remark, Str4 waiter, Str5 table.",
             "title Order slip", page, f"width {width}", "",
             "[ReportHeader]",
             f"  {big}center ORDER",
             f"  {big}text Table {{Str5}}",
             "  text Waiter {Str4}{>}{#now:date} {#now:time}",
             "  rule", "",
             "[Detail]",
             f"  {big}text {{Int1:int:>3}} {{Str2}}",
             "  if Str3: text      {Str3}", "",
             "[Summary]",
             "  rule",
             "  text {sum(Int1):int} item(s)",
             "  blank"]
    return "\n".join(lines) + "\n"


def price_list():
    # Item 27, then price, taxes, charge and total right-aligned: 64 characters.
    head = f"{'Item':<27}{'Price':>9}{'Tax':>9}{'Charge':>9}{'Total':>10}"
    lines = ["# Price list: every item's price with the taxes and service charge added to the invoice.",
             "# Dataset: Report (RItem item, Val1 price, Val2 taxes, Val3 service charge, Val4 total)",
             "# joined with the Taxes row.",
             "title Price list", "page A5", "width 64", "",
             "[ReportHeader]",
             "  bold center PRICE LIST",
             "  center {#now:date} {#now:time}",
             "  if TTaxOnBill: center Taxes added: {TSalesTax:number}% + {TGovTax:number}%",
             "  if TSCOnBill: center Service charge added: {TServCharge:number}%",
             "  blank", "",
             "[PageHeader]",
             f"  bold text {head}",
             "  rule", "",
             "[Detail]",
             "  text {RItem:<27}{Val1:money:>9}{Val2:money:>9}{Val3:money:>9}{Val4:money:>10}", "",
             "[Summary]",
             "  rule",
             "  text {count()} item(s)", "",
             "[PageFooter]",
             "  right Page {#page}"]
    return "\n".join(lines) + "\n"


def write(path, text):
    full = os.path.join(ROOT, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "w", newline="\n") as f:
        f.write(text)


def main():
    if os.path.isdir(ROOT):
        shutil.rmtree(ROOT)
    all_flags = list(itertools.product([True, False], repeat=4))
    for paper, (_, _, roll) in PAPERS.items():
        if roll:
            for flags in all_flags:
                write(f"{paper}/PLAIN/{feature_name(flags)}", receipt(paper, False, "PLAIN", None, flags))
                for pay in ("CASH", "CARD"):
                    write(f"{paper}/{pay}/THANKS/{feature_name(flags)}", receipt(paper, False, "THANKS", pay, flags))
            write(f"{paper}/VIPDaily.frf", vip_daily(paper))
        else:
            for header in (False, True):
                base = f"{paper}/HEADER" if header else paper
                for flags in all_flags:
                    write(f"{base}/FIRST/{feature_name(flags)}", receipt(paper, header, "FIRST", None, flags))
                    for pay in ("CASH", "CARD"):
                        write(f"{base}/FINAL/{pay}/{feature_name(flags)}", receipt(paper, header, "FINAL", pay, flags))
                        write(f"{base}/DIRECT/{pay}/{feature_name(flags)}", receipt(paper, header, "DIRECT", pay, flags))
            write(f"{paper}/VIPDaily.FRF", vip_daily(paper))
        write(f"{paper}/Barslip.frf", barslip(paper))
        write(f"{paper}/BarslipLP.frf", barslip_lp(paper))
    write("REPORTS/TF07.frf", price_list())


if __name__ == "__main__":
    main()
