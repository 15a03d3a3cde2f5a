import unittest
import xml.etree.ElementTree as ET

from lexdata.sources.cldr import _SCRIPT, abbreviation_rows, calendar_names

# A locale document in CLDR's shape: a Gregorian calendar beside another
# one, a variant ("alt") name, and months and days in two widths.
BASE = """<ldml><dates><calendars>
<calendar type="buddhist"><months><monthContext type="format">
  <monthWidth type="abbreviated"><month type="1">Xx</month></monthWidth>
</monthContext></months></calendar>
<calendar type="gregorian">
 <months><monthContext type="format">
  <monthWidth type="abbreviated">
   <month type="5">May</month><month type="9">Sep</month>
   <month type="9" alt="variant">Sptm</month>
  </monthWidth>
  <monthWidth type="wide"><month type="5">May</month><month type="9">September</month></monthWidth>
 </monthContext></months>
 <days><dayContext type="format">
  <dayWidth type="abbreviated"><day type="fri">Fri</day></dayWidth>
  <dayWidth type="wide"><day type="fri">Friday</day></dayWidth>
 </dayContext></days>
</calendar></calendars></dates></ldml>"""

REGION = """<ldml><dates><calendars><calendar type="gregorian">
 <months><monthContext type="stand-alone">
  <monthWidth type="abbreviated"><month type="9">Sept</month></monthWidth>
 </monthContext></months>
</calendar></calendars></dates></ldml>"""


class Abbreviations(unittest.TestCase):
    def test_gregorian_names_without_variants(self):
        names = calendar_names(ET.fromstring(BASE))
        self.assertEqual(["Sep"], names[("month", "9", "abbreviated")])
        self.assertEqual(["September"], names[("month", "9", "wide")])
        self.assertNotIn(("month", "1", "abbreviated"), names)

    def test_rows_with_and_without_stop_from_every_region(self):
        rows = abbreviation_rows(calendar_names(ET.fromstring(BASE)),
                                 [calendar_names(ET.fromstring(REGION))])
        self.assertEqual(sorted([("Sep", "September", ["month"]),
                                 ("Sep.", "September", ["month"]),
                                 ("Sept", "September", ["month"]),
                                 ("Sept.", "September", ["month"]),
                                 ("Fri", "Friday", ["day"]),
                                 ("Fri.", "Friday", ["day"])]),
                         sorted(rows))

    def test_locales_in_another_script_are_left_out(self):
        self.assertTrue(_SCRIPT.match("en_Dsrt.xml"))
        self.assertTrue(_SCRIPT.match("sr_Latn_BA.xml"))
        self.assertFalse(_SCRIPT.match("en_GB.xml"))
        self.assertFalse(_SCRIPT.match("en_001.xml"))


if __name__ == "__main__":
    unittest.main()
