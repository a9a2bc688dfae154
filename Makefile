# The two set-up commands: `make run` and `make test`.
DEPS := cmake g++ make pkg-config lld libsdl2-dev libcairo2-dev libfreetype-dev libvorbis-dev zlib1g-dev \
        liblzma-dev libpugixml-dev libpcre2-dev libstb-dev libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev \
        fonts-dejavu-core fonts-dejavu-extra python3 libegl-dev libgles-dev libegl-mesa0 libgl1-mesa-dri libcurl4-openssl-dev \
        locales
JOBS := $(shell nproc 2>/dev/null || echo 2)
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: run test deps build-release build-test

run: deps build-release
	./build/release/bin/glintvault2

test: deps build-test
	cd build/test && ctest --output-on-failure -j $(JOBS)

build-release:
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DGLV_TESTS=OFF
	cmake --build build/release -j $(JOBS)

build-test:
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DGLV_SANITIZE=ON
	cmake --build build/test -j $(JOBS)

# Installs the Debian packages that are missing.
deps:
	@missing=""; for p in $(DEPS); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
