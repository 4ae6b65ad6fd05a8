#include "run_pages.h"

#include <algorithm>

#include <QRegularExpression>

#include "data/particulars.h"
#include "data/tdm1.h"
#include "pages/tqr_blank_cont.h"
#include "pages/tqr_blank_cont_assets_a.h"
#include "pages/tqr_blank_cont_assets_b.h"
#include "pages/tqr_blank_cont_assets_c.h"
#include "pages/tqr_blank_cont_assets_d.h"
#include "pages/tqr_blank_cont_income.h"
#include "pages/tqr_blank_cont_l_a.h"
#include "pages/tqr_blank_cont_l_b.h"
#include "pages/tqr_blank_cont_l_c.h"
#include "pages/tqr_blank_cont_l_d.h"
#include "pages/tqr_blank_cont_sect4.h"
#include "pages/tqr_cont_joint.h"
#include "pages/tqr_cont_joint_details.h"
#include "pages/tqr_cont_joint_details_inc.h"
#include "pages/tqr_cont_joint_details_l.h"
#include "pages/tqr_cont_joint_sect4.h"
#include "pages/tqr_cont_single.h"
#include "pages/tqr_cont_single_sect4.h"
#include "pages/sba413_sheets.h"
#include "pages/tqr_real_estate_owned.h"

namespace {

template <class... Pages>
RunPages create(Tdm1 &dm)
{
    RunPages pages;
    (pages.push_back(std::make_unique<Pages>(dm)), ...);
    return pages;
}

} // namespace

namespace {

// The schedule of real estate owned follows the liability schedules, when there is a
// property to list.
RunPages withRealEstateSchedule(RunPages pages, Tdm1 &dm)
{
    if (TqrRealEstateOwned::hasProperties(dm)) {
        const auto liabilities = std::find_if(pages.begin(), pages.end(), [](const auto &page) {
            return page->name() == QLatin1String("TqrCont_Joint_Details_L");
        });
        pages.insert(liabilities == pages.end() ? pages.end() : liabilities + 1, std::make_unique<TqrRealEstateOwned>(dm));
    }
    return pages;
}

RunPages createStatementRun(PrintRun run, Tdm1 &dm)
{
    switch (run) {
    // The schedule pages serve both statement runs.
    case PrintRun::Personal:
        return create<TqrCont_Single, TqrCont_Single_Sect4, TqrCont_Joint_Details, TqrCont_Joint_Details_L,
                      TqrCont_Joint_Details_Inc>(dm);
    case PrintRun::Joint:
        return create<TqrCont_Joint, TqrCont_Joint_Sect4, TqrCont_Joint_Details, TqrCont_Joint_Details_L,
                      TqrCont_Joint_Details_Inc>(dm);
    case PrintRun::Blank:
        return create<TqrBlank_Cont, TqrBlank_Cont_Sect4, TqrBlank_Cont_Assets_A, TqrBlank_Cont_Assets_B,
                      TqrBlank_Cont_Assets_C, TqrBlank_Cont_Assets_D, TqrBlank_Cont_L_A, TqrBlank_Cont_L_B,
                      TqrBlank_Cont_L_C, TqrBlank_Cont_L_D, TqrBlank_Cont_Income>(dm);
    case PrintRun::RealEstateSchedule:
        return create<TqrRealEstateOwned>(dm);
    }
    return {};
}

} // namespace

RunPages createRunPages(PrintRun run, Tdm1 &dm)
{
    if (run == PrintRun::Personal || run == PrintRun::Joint)
        return withRealEstateSchedule(createStatementRun(run, dm), dm);
    return createStatementRun(run, dm);
}

void freeRunPages(RunPages &pages)
{
    for (auto &page : pages)
        page.reset();
    pages.clear();
}

HolderNames currentHolderNames(Tdm1 &dm)
{
    const auto text = [&dm](const char *field) { return dm.tblClient.FieldByName(QLatin1String(field)).AsString(); };
    return {text("FullName2"), text("SFirstName"), text("SLastName"), text("SFullName2")};
}

PrintRun statementRun(Tdm1 &dm)
{
    return statementRun(currentHolderNames(dm));
}

PrintRun statementRun(const HolderNames &names)
{
    return Particulars::isJoint(names.spouseFirstName, names.spouseLastName) ? PrintRun::Joint : PrintRun::Personal;
}

QString sheetHolder(PrintRun run, const HolderNames &names)
{
    QString holder = names.fullName.trimmed();
    const QString spouse = names.spouseFullName.trimmed();
    if (run == PrintRun::Joint && !spouse.isEmpty())
        holder = holder.isEmpty() ? spouse : holder + QStringLiteral(" and ") + spouse;
    return holder;
}

Report::SheetFooter runSheetFooter(PrintRun run, Tdm1 &dm)
{
    if (run == PrintRun::Blank)
        return {};
    if (run == PrintRun::RealEstateSchedule)
        run = statementRun(dm);
    return {sheetHolder(run, currentHolderNames(dm)), dm.tblFSPro.FieldByName(QStringLiteral("Date")).AsString().trimmed()};
}

namespace {

// The name as a file name any file system takes, with ".pdf".
QString safePdfName(QString name);

} // namespace

QString runFileName(PrintRun run, Tdm1 &dm)
{
    QString name;
    if (run == PrintRun::Blank) {
        name = QStringLiteral("Blank Financial Statement");
    } else {
        const Report::SheetFooter footer = runSheetFooter(run, dm);
        name = (footer.holder + u' ' + footer.statementDate).trimmed();
        if (run == PrintRun::RealEstateSchedule)
            name = (name + QStringLiteral(" Real Estate Owned")).trimmed();
    }
    return safePdfName(name);
}

namespace {

QString safePdfName(QString name)
{
    // Path separators, characters other systems refuse, and control characters become
    // hyphens; a name of nothing but dots or blanks falls back to a plain one.
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f\\x7f]"));
    name.replace(unsafe, QStringLiteral("-"));
    name = name.simplified();
    while (name.startsWith(u'.') || name.startsWith(u'-'))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("Financial Statement");
    // Well inside the 255 bytes most file systems allow a name.
    while (name.toUtf8().size() > 200)
        name.chop(1);
    return name.trimmed() + QStringLiteral(".pdf");
}

} // namespace

void prepareComposite(Report::CompositeReport &composite, PrintRun run, Tdm1 &dm, const RunPages &pages)
{
    composite.setAddReports([&pages](Report::CompositeReport &c) {
        for (const auto &page : pages)
            c.addReport(page.get());
    });
    composite.setSheetFooter([run, &dm] { return runSheetFooter(run, dm); });
}

RunPages createSba413Pages(Tdm1 &dm)
{
    RunPages pages;
    for (const Sba413Sheets::Sheet &sheet : Sba413Sheets::sheets(Sba413::figuresOf(dm)))
        pages.push_back(std::make_unique<TqrSba413Sheet>(sheet.name, sheet.layout, dm));
    return pages;
}

QString sba413FileName(Tdm1 &dm)
{
    const Report::SheetFooter footer = runSheetFooter(statementRun(dm), dm);
    return safePdfName((footer.holder + u' ' + footer.statementDate).trimmed() + QStringLiteral(" SBA Form 413"));
}

void prepareSba413Composite(Report::CompositeReport &composite, Tdm1 &dm, const RunPages &pages)
{
    prepareComposite(composite, statementRun(dm), dm, pages);
}
