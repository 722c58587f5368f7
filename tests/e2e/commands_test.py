"""Search, create and refresh, as the encyclopedia's server sees them."""

import harness

SEARCH = "搜索词条"
CREATE = "创建词条"
REFRESH = "刷新"
REQUEST_SECONDS = 10


def gbk_percent_encoded(name):
    """Every GBK byte but ASCII letters and digits as %XX, upper case."""
    return "".join(chr(b) if chr(b).isascii() and chr(b).isalnum() else "%%%02X" % b
                   for b in name.encode("gbk"))


def query_keys(target):
    return [pair.split("=", 1)[0] for pair in target.split("?", 1)[1].split("&")]


class Commands(harness.WindowTestCase):

    def click_and_expect_request(self, button, count):
        self.driver.run("click", self.window, button)
        requests = self.server.wait_for(count, REQUEST_SECONDS)
        self.assertEqual(count, len(requests),
                         f"after clicking {button}: requests {requests}")
        return requests[-1]

    def test_search_create_and_refresh_send_the_encoded_name(self):
        cases = [
            # name, the encoded name as it must arrive
            ("词条", "%B4%CA%CC%F5"),
            ("a b&c#d=e%f", "a%20b%26c%23d%3De%25f"),
            ("x?y/z+", "x%3Fy%2Fz%2B"),
            ("C语言 2.0", "C%D3%EF%D1%D4%202%2E0"),
            ("", ""),
        ]
        self.start_and_wait_for_window()
        sent = 0
        for name, encoded in cases:
            with self.subTest(name=name):
                self.assertEqual(encoded, gbk_percent_encoded(name))
                self.driver.run("settext", self.window, "Edit", name)

                sent += 1
                search = self.click_and_expect_request(SEARCH, sent)
                self.assertEqual(
                    f"/searchword/?word={encoded}&pic=2&sug=1&oq={encoded}", search.target)
                self.assertEqual(["word", "pic", "sug", "oq"], query_keys(search.target))
                self.assertEqual("GET", search.method)
                self.assertEqual(self.config.host, search.host)

                sent += 1
                create = self.click_and_expect_request(CREATE, sent)
                self.assertEqual(f"/searchword/?word={encoded}&pic=1&sug=1", create.target)
                self.assertEqual(["word", "pic", "sug"], query_keys(create.target))

                sent += 1
                refresh = self.click_and_expect_request(REFRESH, sent)
                self.assertEqual(create.target, refresh.target, "refresh reloads the page shown")

        # The browser's command-state notifications reach part 1 of the status bar.
        _, (forward_or_back,) = self.driver.run("sbtext", self.window, 1)
        self.assertIn(forward_or_back["text"], ("0", "1"))

        self.close_and_expect_exit(0)
        self.assertEqual(sent, len(self.server.requests()), "no request beyond the clicks'")

    def test_the_name_is_read_at_each_click(self):
        self.start_and_wait_for_window()
        self.driver.run("settext", self.window, "Edit", "甲")
        first = self.click_and_expect_request(SEARCH, 1)
        second = self.click_and_expect_request(SEARCH, 2)
        self.assertEqual(first.target, second.target, "same name, same address byte for byte")
        self.driver.run("settext", self.window, "Edit", "乙")
        third = self.click_and_expect_request(SEARCH, 3)
        self.assertEqual("/searchword/?word=%D2%D2&pic=2&sug=1&oq=%D2%D2", third.target)
        self.close_and_expect_exit(0)

    def test_closing_while_a_page_loads_exits_with_0(self):
        self.start_and_wait_for_window()
        self.driver.run("settext", self.window, "Edit", "slowpage")
        self.click_and_expect_request(SEARCH, 1)  # the server holds its answer back a while
        self.close_and_expect_exit(0)
